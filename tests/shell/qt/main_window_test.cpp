// The main window over the real Level Editor files: every control and menu item reaches its
// command, and the window shows what the core tells it. What the commands do is for the core's
// tests.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "framework/file_types.h"
#include "framework/paths.h"
#include "shell/qt/support/shell_session.h"

namespace kavrin {

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ShellSession> shell;

    QTreeWidget* tree() const { return shell->tree(); }
    QTableView* list() const { return shell->list(); }
    void click(const QString& text) const {
        for (QPushButton* button : shell->window->findChildren<QPushButton*>()) {
            if (button->text().remove(u'&') == text) QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    QString cell(int row, int column) const {
        return list()->model()->index(row, column).data().toString();
    }
    bool occupied(int row) const {
        return !list()->model()->index(row, 0).data(Qt::DecorationRole).isNull();
    }
    // Loads a reference as the user does: the menu item, then the file and filter chosen.
    void loadReference(const std::string& relative, uint32_t filter) {
        shell->recording.fileChoices.push_back(FileChoice{shell->realPath(relative), filter});
        shell->menuItem("File", "Load Reference File...")->trigger();
    }
    void clickColumn(int column) {
        QHeaderView* header = list()->horizontalHeader();
        QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // Whether Save Wad, Save Wad As and Save Script are enabled.
    QList<bool> saveCommandsEnabled() const {
        return {shell->menuItem("File", "Save Wad")->isEnabled(),
                shell->menuItem("File", "Save Wad As...")->isEnabled(),
                shell->menuItem("Script", "Save Script")->isEnabled()};
    }

private slots:
    void init() {
        shell = std::make_unique<test::ShellSession>();
        if (!shell->started) QSKIP("the real Level Editor files are not there");
        shell->answerFromQueues();
        shell->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(shell->window.get()));
    }
    void cleanup() {
        std::string unexpected = shell->unexpected();
        shell.reset();
        QVERIFY2(unexpected.empty(), unexpected.c_str());
    }

    void startsWithTheEmptyUntitledWadInTheWadDirectory() {
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("[untitled] - Kavrin v2.00"));
        QVERIFY(fs::equivalent(currentDirectory(), shell->realPath("graphics/wads")));
        QCOMPARE(tree()->topLevelItemCount(), 0);
        QAbstractItemModel* rows = list()->model();
        QStringList headers;
        for (int column = 0; column < rows->columnCount(); ++column)
            headers << rows->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"", "ID", "Name", "File", "Label"}));
        QCOMPARE(cell(0, 1), QString::fromUtf8("M\u2007\u20070"));  // "M  0", digits lined up
        QVERIFY(shell->occupiedNames().isEmpty());
        QCOMPARE(shell->window->findChild<QComboBox*>()->currentText(), "All Objects");
        QVERIFY(shell->menuItem("Options", "Confirm Deletions")->isChecked());
        QVERIFY(shell->menuItem("Options", "Confirm Overwriting Objects")->isChecked());
        QStringList menus;
        for (QAction* menu : shell->window->menuBar()->actions())
            menus << menu->text().remove(u'&');
        QCOMPARE(menus, (QStringList{"File", "Script", "Utilities", "Texture", "Options", "Help"}));
    }

    // Add takes the tree's current item, Replace and Delete the list's selected row; the options
    // menu reaches the core's switches.
    void theButtonsActOnTheSelectedItemAndRow() {
        loadReference("graphics/wads/tut1.WAS", 1);
        tree()->setCurrentItem(tree()->topLevelItem(0)->child(1));  // PISTOLS_ANIM, slot 1
        click("Add >>");
        QVERIFY(occupied(1));
        QCOMPARE((QStringList{cell(1, 3), cell(1, 4)}), (QStringList{"tut1.WAS", "PISTOLS_ANIM"}));
        QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), 1);
        // The status strip counts the set anew; Check Wad reports on it.
        QTRY_VERIFY(shell->window->findChild<QLabel*>("budget")->text().startsWith(
            QStringLiteral("Slots 1/525 | Object textures ")));
        shell->menuItem("Script", "Check Wad")->trigger();
        QCOMPARE(shell->recording.messages.back().title, std::string("Check Wad"));

        list()->selectRow(2);
        shell->recording.answers = {Button::Yes};
        click("Replace >>");
        QCOMPARE(cell(2, 4), QStringLiteral("PISTOLS_ANIM"));
        shell->menuItem("Options", "Confirm Deletions")->trigger();
        list()->selectRow(1);
        click("Delete >>");  // asks nothing now
        QVERIFY(!occupied(1) && occupied(2));
        QCOMPARE(shell->recording.messages.size(), size_t(2));  // Check Wad, the Replace question
    }

    void theHeaderSortsAndTheCategoryBoxFilters() {
        QHeaderView* header = list()->horizontalHeader();
        clickColumn(2);
        QCOMPARE(header->sortIndicatorSection(), 2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        clickColumn(2);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);

        auto* categories = shell->window->findChild<QComboBox*>();
        categories->setCurrentIndex(categories->findText("Vehicle"));
        QCOMPARE(list()->model()->rowCount(), 5);
        categories->setCurrentIndex(0);
        QCOMPARE(list()->model()->rowCount(), 525);
    }

    // The File menu's commands open their dialogs (cancelled here); saving is greyed while
    // nothing is placed, and leaving with unsaved changes asks first.
    void theFileMenuReachesItsCommands() {
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{false, false, false}));
        shell->recording.fileChoices = {std::nullopt};
        shell->menuItem("File", "Open Wad for Editing...")->trigger();
        loadReference("graphics/wads/tut1.WAS", 1);
        tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
        click("Add >>");
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{true, true, true}));
        shell->recording.fileChoices = {std::nullopt};
        shell->menuItem("File", "Save Wad As...")->trigger();
        QStringList titles;
        for (const FileDialogRequest& request : shell->recording.fileRequests)
            titles << QString::fromStdString(request.title);
        QCOMPARE(titles,
                 (QStringList{"Open Wad for Editing", "Load Reference File", "Save Wad As"}));

        shell->recording.answers = {Button::Cancel};
        shell->menuItem("File", "Exit")->trigger();
        QVERIFY(shell->window->isVisible());
        shell->recording.answers = {Button::No};
        shell->menuItem("File", "New Wad")->trigger();
        QVERIFY(shell->occupiedNames().isEmpty());
        QVERIFY(shell->window->close());  // nothing unsaved: nothing asked
    }

    void loadedSourcesShowInTheTreeWhereTheFilterKeepsTheMatchesAndEnterAdds() {
        loadReference("graphics/wads/tut1.WAS", 1);
        loadReference("data/title.tr4", 2);
        QCOMPARE(shell->recording.fileRequests.at(0).type, uint32_t(FILE_REFERENCE));
        QTreeWidgetItem* tut1 = tree()->topLevelItem(1);
        QCOMPARE(tut1->text(0), QStringLiteral("tut1.WAS"));
        QVERIFY(tut1->font(0).bold() && !tut1->child(0)->font(0).bold());
        QCOMPARE(tut1->child(0)->text(0), QString::fromUtf8("M\u2007\u20070 LARA"));
        auto* filter = shell->window->findChild<QLineEdit*>(QStringLiteral("kavrin_ref_filter"));
        QTest::keyClicks(filter, "holsters_");
        int shown = 0;  // which entries match is the core filter's; the tree hides the others
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            for (int child = 0; child < tree()->topLevelItem(i)->childCount(); ++child)
                shown += !tree()->topLevelItem(i)->child(child)->isHidden();
        }
        QCOMPARE(shown, 4);
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(shell->occupiedNames(), QStringList{"LARA_HOLSTERS_PISTOLS"});
        QCOMPARE(cell(list()->selectionModel()->selectedRows().value(0).row(), 3), "title.tr4");
        QTest::keyClicks(filter, "zz");  // nothing matches, so nothing is selected to add
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(shell->recording.beeps, 1);
    }

    void droppedFilesLoadOnceAndLoadingOneAgainSelectsItsRoot() {
        QMimeData files;
        files.setUrls(
            {QUrl::fromLocalFile(QString::fromStdString(shell->realPath("data/title.tr4"))),
             QUrl::fromLocalFile(QString::fromStdString(shell->realPath("objects.h"))),
             QUrl::fromLocalFile(
                 QString::fromStdString(shell->realPath("graphics/wads/tut1.WAS")))});
        QPoint middle = shell->window->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shell->window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(middle, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shell->window.get(), &drop);
        QTRY_COMPARE(tree()->topLevelItemCount(), 2);

        loadReference("graphics/wads/tut1.WAS", 1);
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QCOMPARE(tree()->currentItem(), tree()->topLevelItem(1));
        QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("tut1.WAS"));
    }

    void enterOnTheTreeAddsAndDeleteOnTheListDeletesAfterAsking() {
        // Ctrl+S reaches Save Wad only while something is placed, menu opened or not.
        QAction* save = shell->menuItem("File", "Save Wad");
        QVERIFY(!save->isEnabled());
        loadReference("graphics/wads/tut1.WAS", 1);
        tree()->setFocus();
        tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
        QTest::keyClick(tree(), Qt::Key_Return);
        QCOMPARE(shell->occupiedNames(), QStringList{"LARA"});
        QVERIFY(save->isEnabled());

        list()->setFocus();
        shell->recording.answers = {Button::Yes};
        QTest::keyClick(list(), Qt::Key_Delete);
        QVERIFY(shell->occupiedNames().isEmpty());
        QTest::keyClick(list(), Qt::Key_Delete);  // the row is empty now
        QCOMPARE(shell->recording.beeps, 1);
        QVERIFY(!save->isEnabled());
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::MainWindowTest)
#include "main_window_test.moc"
