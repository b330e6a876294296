// The desktop program as the GUI tests run it: a session started on the real Level Editor files,
// the Qt backend, the main window, and a user who answers the questions from queues.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "editing/session.h"
#include "shell/qt/main_window.h"
#include "shell/qt/qt_ui.h"
#include "support/recording_ui.h"
#include "support/test_data.h"

class QAction;
class QMenu;
class QTableView;
class QTreeWidget;
class QWidget;

namespace kavrin::test {

struct ShellSession {
    // Starts on the Level Editor directory, the real one by default; `started` is false when it
    // is not there.
    explicit ShellSession(const std::string& trle = realTrleDirectory());
    ~ShellSession();

    // Replaces the Qt message box and file and folder dialogs with `recording`, whose queues
    // answer them; an unqueued question or dialog is answered so that nothing goes ahead.
    void answerFromQueues();
    // What was asked without a queued answer since the start, one line each; empty when nothing.
    std::string unexpected() const;

    // A menu of the menu bar and one of its items as the user sees them, by their texts
    // (mnemonics left out).
    QMenu* menu(const QString& title) const;
    QAction* menuItem(const QString& menu, const QString& item) const;
    QTreeWidget* tree() const;  // the reference tree
    QTableView* list() const;   // the edited list
    // The Name column of the rows whose slots are occupied, in row order.
    QStringList occupiedNames() const;
    // The path of a file of the real Level Editor directory.
    std::string realPath(const std::string& relative) const;

    bool started = false;
    std::string before;  // the current directory before the start, given back at the end
    int failuresBefore;  // the recording's complaints made before this session
    Session session;
    shell::QtUi ui{session.ui};
    std::unique_ptr<shell::MainWindow> window;
    RecordingUi recording;
};

// Runs `answer` on the next modal dialog as soon as it is open (within ten seconds), while the
// code that opened it waits. A dialog the answer leaves open is closed, so no test hangs on it.
void whenModalOpens(std::function<void(QWidget* dialog)> answer);

}  // namespace kavrin::test
