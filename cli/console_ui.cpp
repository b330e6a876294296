#include "cli/console_ui.h"

#include <cstdio>
#include <optional>
#include <string>

#include "cli/terminal.h"

namespace kavrin::cli {

namespace {

bool isQuestion(MessageStyle style) {
    return style == MessageStyle::QuestionYesNo || style == MessageStyle::QuestionYesNoCancel ||
           style == MessageStyle::WarningYesNoCancel;
}

void drawBar(const ProgressState& state) {
    constexpr int WIDTH = 30;
    int span = state.rangeEnd - state.rangeStart;
    int filled = span > 0 ? (state.position - state.rangeStart) * WIDTH / span : 0;
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(WIDTH, ' ');
    std::fprintf(stderr, "\r\033[K[%s] %.60s", bar.c_str(), state.text.c_str());
    std::fflush(stderr);
}

bool errorShown = false;

}  // namespace

bool consoleShowedError() {
    return errorShown;
}

Ui makeConsoleUi(const ConsoleOptions& options) {
    Ui ui;
    bool terminal = options.progressBar && stderrIsRedrawableTerminal();
    ui.port.message = [answerYes = options.answerYes, terminal](
                          MessageStyle style, const std::string& title, const std::string& text) {
        if (terminal) std::fputs("\r\033[K", stderr);
        std::string shown = text;
        while (!shown.empty() && shown.back() == '\n') shown.pop_back();
        std::fprintf(stderr, "%s: %s\n", title.c_str(), shown.c_str());
        if (style == MessageStyle::ErrorOk) errorShown = true;
        if (!isQuestion(style)) return Button::Ok;
        Button answer = answerYes ? Button::Yes
                        : style == MessageStyle::QuestionYesNo ? Button::No
                                                               : Button::Cancel;
        if (answer == Button::Yes) {
            std::fputs("(answered Yes)\n", stderr);
        } else {
            std::fprintf(stderr, "(answered %s; --yes answers Yes)\n",
                         answer == Button::No ? "No" : "Cancel");
        }
        return answer;
    };
    // There is no folder to pick from: the folder the system wanted to look in is named instead.
    ui.port.browseForFolder = [terminal](const FolderRequest& request) {
        if (terminal) std::fputs("\r\033[K", stderr);
        std::fprintf(stderr, "Kavrin: %s\n(no folder can be chosen here; looked in %s)\n",
                     request.prompt.c_str(), request.startDirectory.c_str());
        return std::optional<std::string>();
    };
    ui.port.beep = [] {};
    if (terminal) {
        ui.port.progressShow = drawBar;
        ui.port.progressHide = [] { std::fputs("\r\033[K", stderr); };
    }
    return ui;
}

}  // namespace kavrin::cli
