// The console backend answers a question by the command's flags: Yes with --yes, otherwise the
// answer that does not go ahead. (kavrin-cli's build asks only Yes, No or Cancel questions.)
#include "cli/console_ui.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(ConsoleUi, AYesNoQuestionIsAnsweredNoWithoutYesAndSaysSo) {
    for (bool yes : {false, true}) {
        Ui ui = cli::makeConsoleUi({.answerYes = yes, .progressBar = false});
        testing::internal::CaptureStderr();
        EXPECT_EQ(showMessage(ui, MessageStyle::QuestionYesNo, "Kavrin", "Go on?\n"),
                  yes ? Button::Yes : Button::No);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  yes ? "Kavrin: Go on?\n(answered Yes)\n"
                      : "Kavrin: Go on?\n(answered No; --yes answers Yes)\n");
    }
}

}  // namespace
}  // namespace kavrin
