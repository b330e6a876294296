#include "shell/qt/support/shell_session.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include <gtest/gtest.h>

#include "editing/start_up.h"
#include "framework/paths.h"

namespace kavrin::test {

namespace {

QString withoutMnemonics(QString text) {
    return text.remove(u'&');
}

// The recording reports what nobody queued an answer for as a GoogleTest failure; outside a
// GoogleTest run such failures collect here.
const ::testing::TestResult& complaints() {
    return ::testing::UnitTest::GetInstance()->ad_hoc_test_result();
}

}  // namespace

ShellSession::ShellSession(const std::string& trle)
    : before(currentDirectory()), failuresBefore(complaints().total_part_count()) {
    if (trle.empty()) return;
    started = startSession(session, &trle);
    if (started) window = std::make_unique<shell::MainWindow>(session, ui);
}

ShellSession::~ShellSession() {
    window.reset();
    setCurrentDirectory(before);
}

void ShellSession::answerFromQueues() {
    recording.answerFor(session.ui.port);
}

std::string ShellSession::unexpected() const {
    std::string lines;
    for (int i = failuresBefore; i < complaints().total_part_count(); ++i)
        lines += complaints().GetTestPartResult(i).message() + std::string("\n");
    return lines;
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

QTreeWidget* ShellSession::tree() const {
    return window->findChild<QTreeWidget*>(QStringLiteral("kavrin_ref_tree"));
}

QTableView* ShellSession::list() const {
    return window->findChild<QTableView*>(QStringLiteral("kavrin_edit_list"));
}

QStringList ShellSession::occupiedNames() const {
    QAbstractItemModel* rows = list()->model();
    QStringList names;
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (!rows->index(row, 0).data(Qt::DecorationRole).isNull())
            names << rows->index(row, 2).data().toString();
    }
    return names;
}

std::string ShellSession::realPath(const std::string& relative) const {
    return std::filesystem::weakly_canonical(std::filesystem::path(realTrleDirectory()) / relative)
        .string();
}

void whenModalOpens(std::function<void(QWidget* dialog)> answer) {
    auto* poll = new QTimer;
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog && waited->elapsed() < 10000) return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) return;
        answer(dialog);
        auto* open = qobject_cast<QDialog*>(dialog);
        if (open && QApplication::activeModalWidget() == dialog) open->reject();
    });
    poll->start(10);
}

}  // namespace kavrin::test
