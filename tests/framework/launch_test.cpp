#include <gtest/gtest.h>

#include "framework/launch.h"
#include "support/recording_ui.h"

namespace kavrin {
namespace {

TEST(OnlineHelp, SaysWhereTheHelpIsWhenTheBrowserCannotBeOpened) {
    test::RecordingUi recording;
    std::vector<std::string> launched;
    std::optional<std::string> failure;
    recording.ui.port.launch = [&](const std::string& address) {
        launched.push_back(address);
        return failure;
    };
    showOnlineHelp(recording.ui);
    EXPECT_TRUE(recording.messages.empty());

    failure = launchErrorText(32);
    showOnlineHelp(recording.ui);
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[0].rfind("https://", 0), 0u);
    const test::RecordedMessage& message = recording.onlyMessage();
    EXPECT_EQ(message.style, MessageStyle::ErrorOk);
    EXPECT_EQ(message.title, "Kavrin");
    EXPECT_EQ(message.text,
              "Could not open your web browser:\nThe specified dynamic-link library "
              "was not found.\n\nKavrin on-line help is at:\n" +
                  launched[1]);
}

}  // namespace
}  // namespace kavrin
