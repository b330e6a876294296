#include "support/recording_ui.h"

#include <gtest/gtest.h>

namespace kavrin::test {

namespace {

// The next queued answer of a dialog; an unexpected dialog fails the test and is cancelled.
template <class Choice>
Choice answer(std::deque<Choice>& queue, const char* dialog, const std::string& title) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << dialog << " \"" << title << "\"";
        return std::nullopt;
    }
    Choice choice = queue.front();
    queue.pop_front();
    return choice;
}

bool isQuestion(MessageStyle style) {
    return style == MessageStyle::QuestionYesNo || style == MessageStyle::QuestionYesNoCancel ||
           style == MessageStyle::WarningYesNoCancel;
}

}  // namespace

RecordingUi::RecordingUi() {
    ui.port.message = [this](MessageStyle style, const std::string& title,
                             const std::string& text) {
        messages.push_back({style, title, text});
        if (!isQuestion(style)) return Button::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question \"" << title << "\": " << text;
            return style == MessageStyle::QuestionYesNo ? Button::No : Button::Cancel;
        }
        Button given = answers.front();
        answers.pop_front();
        return given;
    };
    ui.port.beep = [this] { ++beeps; };
    ui.port.progressShow = [this](const ProgressState& state) { progress.push_back(state); };
    ui.port.progressHide = [] {};
    ui.port.chooseFile = [this](const FileDialogRequest& request) {
        fileRequests.push_back(request);
        return answer(fileChoices, "file dialog", request.title);
    };
    ui.port.browseForFolder = [this](const FolderRequest& request) {
        folderRequests.push_back(request);
        return answer(folderChoices, "folder picker", request.prompt);
    };
}

const RecordedMessage& RecordingUi::onlyMessage() const {
    static const RecordedMessage none{MessageStyle::ErrorOk, "", ""};
    EXPECT_EQ(messages.size(), 1u);
    return messages.empty() ? none : messages.front();
}

void RecordingUi::answerFor(UiPort& port) const {
    port.message = ui.port.message;
    port.beep = ui.port.beep;
    port.chooseFile = ui.port.chooseFile;
    port.browseForFolder = ui.port.browseForFolder;
}

}  // namespace kavrin::test
