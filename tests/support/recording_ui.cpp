#include "support/recording_ui.h"

#include <gtest/gtest.h>

namespace kavrin::test {

namespace {

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
        Button answer = answers.front();
        answers.pop_front();
        return answer;
    };
    ui.port.beep = [this] { ++beeps; };
    ui.port.progressShow = [this](const ProgressState& state) { progress.push_back(state); };
    ui.port.progressHide = [] {};
    ui.port.chooseFile = [this](const FileDialogRequest& request) -> std::optional<FileChoice> {
        fileRequests.push_back(request);
        if (fileChoices.empty()) {
            ADD_FAILURE() << "unexpected file dialog \"" << request.title << "\"";
            return std::nullopt;
        }
        std::optional<FileChoice> choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    };
    ui.port.browseForFolder = [this](const FolderRequest& request) -> std::optional<std::string> {
        folderRequests.push_back(request);
        if (folderChoices.empty()) {
            ADD_FAILURE() << "unexpected folder picker \"" << request.prompt << "\"";
            return std::nullopt;
        }
        std::optional<std::string> choice = folderChoices.front();
        folderChoices.pop_front();
        return choice;
    };
}

const RecordedMessage& RecordingUi::onlyMessage() const {
    static const RecordedMessage none{MessageStyle::ErrorOk, "", ""};
    EXPECT_EQ(messages.size(), 1u);
    return messages.empty() ? none : messages.front();
}

}  // namespace kavrin::test
