// The desktop program as the GUI tests run it: a session started on the real Level Editor files,
// the Qt backend, the main window, and a user who answers the questions from queues.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editing/session.h"
#include "shell/main_window.h"
#include "shell/qt_ui.h"
#include "support/test_data.h"

class QAction;
class QMenu;
class QWidget;

namespace kavrin::test {

struct ShownMessage {
    MessageStyle style;
    std::string title;
    std::string text;
};

struct ShellSession {
    // Starts on the Level Editor directory, the real one by default; `started` is false when it
    // is not there.
    explicit ShellSession(const std::string& trle = realTrleDirectory());
    ~ShellSession();

    // Replaces the Qt message box and file dialogs with the queues below. Unqueued questions and
    // dialogs are noted in `unexpected` and answered so that nothing goes ahead.
    void answerFromQueues();

    // A menu of the menu bar and one of its items as the user sees them, by their texts
    // (mnemonics left out).
    QMenu* menu(const QString& title) const;
    QAction* menuItem(const QString& menu, const QString& item) const;
    // The path of a file of the real Level Editor directory.
    std::string realPath(const std::string& relative) const;

    bool started = false;
    std::string before;  // the current directory before the start, given back at the end
    Session session;
    shell::QtUi ui{session.ui};
    std::unique_ptr<shell::MainWindow> window;

    std::deque<Button> answers;
    std::deque<std::optional<FileChoice>> files;
    std::deque<std::optional<std::string>> folders;
    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> fileRequests;
    std::vector<std::string> unexpected;
    int beeps = 0;
};

// Runs `answer` on the next modal dialog as soon as it is open, while the code that opened it
// waits. A dialog that does not open within the time is noted in `missing`; a dialog that the
// answer leaves open is closed after it, so that no test can hang on it.
void whenModalOpens(std::function<void(QWidget* dialog)> answer, bool* missing = nullptr);

}  // namespace kavrin::test
