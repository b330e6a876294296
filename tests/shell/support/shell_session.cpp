#include "shell/support/shell_session.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <filesystem>

#include "editing/start_up.h"
#include "framework/paths.h"

namespace kavrin::test {

namespace {

bool isQuestion(MessageStyle style) {
    return style == MessageStyle::QuestionYesNo || style == MessageStyle::QuestionYesNoCancel ||
           style == MessageStyle::WarningYesNoCancel;
}

QString withoutMnemonics(QString text) {
    return text.remove(u'&');
}

}  // namespace

ShellSession::ShellSession(const std::string& trle) : before(currentDirectory()) {
    if (trle.empty()) return;
    started = startSession(session, &trle);
    if (started) window = std::make_unique<shell::MainWindow>(session, ui);
}

ShellSession::~ShellSession() {
    window.reset();
    setCurrentDirectory(before);
}

void ShellSession::answerFromQueues() {
    UiPort& port = session.ui.port;
    port.message = [this](MessageStyle style, const std::string& title, const std::string& text) {
        messages.push_back({style, title, text});
        if (!isQuestion(style)) return Button::Ok;
        if (answers.empty()) {
            unexpected.push_back("question " + title + ": " + text);
            return style == MessageStyle::QuestionYesNo ? Button::No : Button::Cancel;
        }
        Button answer = answers.front();
        answers.pop_front();
        return answer;
    };
    port.beep = [this] { ++beeps; };
    port.chooseFile = [this](const FileDialogRequest& request) -> std::optional<FileChoice> {
        fileRequests.push_back(request);
        if (files.empty()) {
            unexpected.push_back("file dialog " + request.title);
            return std::nullopt;
        }
        std::optional<FileChoice> choice = files.front();
        files.pop_front();
        return choice;
    };
    port.browseForFolder = [this](const FolderRequest& request) -> std::optional<std::string> {
        if (folders.empty()) {
            unexpected.push_back("folder picker " + request.prompt);
            return std::nullopt;
        }
        std::optional<std::string> choice = folders.front();
        folders.pop_front();
        return choice;
    };
}

QMenu* ShellSession::menu(const QString& title) const {
    for (QAction* action : window->menuBar()->actions()) {
        if (action->menu() && withoutMnemonics(action->text()) == title) return action->menu();
    }
    return nullptr;
}

QAction* ShellSession::menuItem(const QString& title, const QString& item) const {
    QMenu* found = menu(title);
    for (QAction* action : found ? found->actions() : QList<QAction*>()) {
        if (withoutMnemonics(action->text()) == item) return action;
    }
    return nullptr;
}

std::string ShellSession::realPath(const std::string& relative) const {
    return std::filesystem::weakly_canonical(std::filesystem::path(realTrleDirectory()) / relative)
        .string();
}

void whenModalOpens(std::function<void(QWidget* dialog)> answer, bool* missing) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog && waited->elapsed() < 10000) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!dialog) {
            if (missing) *missing = true;
            return;
        }
        answer(dialog);
        // An answer that leaves its dialog open would leave the test waiting for ever.
        if (QApplication::activeModalWidget() == dialog) {
            if (auto* open = qobject_cast<QDialog*>(dialog)) open->reject();
        }
    });
    poll->start(10);
}

}  // namespace kavrin::test
