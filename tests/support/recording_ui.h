// The recording ui backend: remembers everything the system shows and answers its questions from
// a queue. A question nobody queued an answer for fails the test.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/ui.h"

namespace kavrin::test {

struct RecordedMessage {
    MessageStyle style;
    std::string title;
    std::string text;
};

struct RecordingUi {
    RecordingUi();
    RecordingUi(const RecordingUi&) = delete;
    RecordingUi& operator=(const RecordingUi&) = delete;

    Ui ui;
    std::vector<RecordedMessage> messages;
    std::deque<Button> answers;                            // for questions, in order
    std::deque<std::optional<FileChoice>> fileChoices;     // nullopt: the user cancels
    std::deque<std::optional<std::string>> folderChoices;  // nullopt: the user cancels
    std::vector<FileDialogRequest> fileRequests;
    std::vector<FolderRequest> folderRequests;
    std::vector<ProgressState> progress;  // every state the progress window showed
    int beeps = 0;

    // The one message shown so far; fails the test unless exactly one was shown.
    const RecordedMessage& onlyMessage() const;
    // Puts this recording behind a desktop program's messages, beeps and dialogs; the program
    // keeps its own progress window.
    void answerFor(UiPort& port) const;
};

}  // namespace kavrin::test
