// The main window over the real Level Editor files: start-up, the controls and menus, and every
// command reaching the core through the window.
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
#include <algorithm>
#include <filesystem>

#include "framework/file_types.h"
#include "framework/paths.h"
#include "shell/qt/support/shell_session.h"
#include "support/test_data.h"

namespace kavrin {

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ShellSession> shell;

    QTreeWidget* tree() const { return shell->tree(); }
    QTableView* list() const { return shell->list(); }
    QPushButton* button(const QString& text) const {
        for (QPushButton* button : shell->window->findChildren<QPushButton*>()) {
            if (button->text().remove(u'&') == text) return button;
        }
        return nullptr;
    }
    QString cell(int row, int column) const {
        return list()->model()->index(row, column).data().toString();
    }
    int rowOfName(const QString& name) const {
        for (int row = 0; row < list()->model()->rowCount(); ++row) {
            if (cell(row, 2) == name) return row;
        }
        return -1;
    }
    bool occupied(int row) const {
        return !list()->model()->index(row, 0).data(Qt::DecorationRole).isNull();
    }
    // Loads a reference as the user does: the menu item, then the file and filter chosen.
    void loadReference(const std::string& path, uint32_t filter) {
        shell->recording.fileChoices.push_back(FileChoice{path, filter});
        shell->menuItem("File", "Load Reference File...")->trigger();
    }
    // Loads tut1 and adds its tree item (a root adds the whole set, answering Yes) with the button.
    void addFromTut1(QTreeWidgetItem* (*item)(QTreeWidgetItem* root)) {
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        tree()->setCurrentItem(item(tree()->topLevelItem(0)));
        shell->recording.answers = {Button::Yes};
        QTest::mouseClick(button("Add >>"), Qt::LeftButton);
    }
    void clickColumn(int column) {
        QHeaderView* header = list()->horizontalHeader();
        QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // Whether Save Wad, Save Wad As and Save Script are enabled when the user opens their menus.
    QList<bool> saveCommandsEnabled() {
        QList<bool> enabled;
        for (auto [menu, item] :
             {std::pair{"File", "Save Wad"}, std::pair{"File", "Save Wad As..."},
              std::pair{"Script", "Save Script"}}) {
            shell->menu(menu)->popup(QPoint(0, 0));
            enabled << shell->menuItem(menu, item)->isEnabled();
            shell->menu(menu)->hide();
        }
        return enabled;
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
        QCOMPARE(rows->rowCount(), 525);
        QStringList headers;
        for (int column = 0; column < rows->columnCount(); ++column)
            headers << rows->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"", "ID", "Name", "File", "Label"}));
        QCOMPARE(cell(0, 1), QString::fromUtf8("M\u2007\u20070"));  // "M  0", digits lined up
        QVERIFY(shell->occupiedNames().isEmpty());

        QCOMPARE(shell->window->findChild<QComboBox*>()->currentText(),
                 QStringLiteral("All Objects"));
        QVERIFY(shell->menuItem("Options", "Confirm Deletions")->isChecked());
        QVERIFY(shell->menuItem("Options", "Confirm Overwriting Objects")->isChecked());
        QStringList menus;
        for (QAction* menu : shell->window->menuBar()->actions())
            menus << menu->text().remove(u'&');
        QCOMPARE(menus, (QStringList{"File", "Script", "Utilities", "Texture", "Options", "Help"}));
    }

    void loadReferenceFileLetsTheFilterChooseBetweenSetAndLevel() {
        // Only the folder and base name count: tut1.tr4 with the first filter is the tut1 set.
        loadReference(shell->realPath("graphics/wads/tut1.tr4"), 1);
        loadReference(shell->realPath("data/title.WAS"), 2);
        QCOMPARE(shell->recording.fileRequests.at(0).type, uint32_t(FILE_REFERENCE));
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QTreeWidgetItem* title = tree()->topLevelItem(0);
        QTreeWidgetItem* tut1 = tree()->topLevelItem(1);
        QCOMPARE(title->text(0), QStringLiteral("title.tr4"));
        QCOMPARE(title->childCount(), 72);
        QCOMPARE(tut1->text(0), QStringLiteral("tut1.WAS"));
        QCOMPARE(tut1->childCount(), 122);
        QVERIFY(tut1->font(0).bold());
        QCOMPARE(tut1->child(0)->text(0), QString::fromUtf8("M\u2007\u20070 LARA"));
        QVERIFY(!tut1->child(0)->font(0).bold());
        QVERIFY(shell->recording.messages.empty());
    }

    void addReplaceAndDeleteThroughTheButtons() {
        addFromTut1([](QTreeWidgetItem* root) { return root->child(1); });  // PISTOLS_ANIM
        int pistols = rowOfName("PISTOLS_ANIM");
        QVERIFY(occupied(pistols));
        QCOMPARE(cell(pistols, 3), QStringLiteral("tut1.WAS"));
        QCOMPARE(cell(pistols, 4), QStringLiteral("PISTOLS_ANIM"));
        QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), pistols);
        // The status strip counts the set anew; Check Wad reports on it.
        QTRY_VERIFY(shell->window->findChild<QLabel*>("budget")->text().startsWith(
            QStringLiteral("Slots 1/525 | Object textures ")));
        shell->menuItem("Script", "Check Wad")->trigger();
        QCOMPARE(shell->recording.messages.back().title, std::string("Check Wad"));

        // Replace puts the selected object into the selected row's slot, after asking.
        int uzis = rowOfName("UZI_ANIM");
        list()->selectRow(uzis);
        shell->recording.answers = {Button::Yes};
        QTest::mouseClick(button("Replace >>"), Qt::LeftButton);
        QCOMPARE(shell->recording.messages.back().title, std::string("Confirm Object Replace"));
        QVERIFY(occupied(uzis));
        QCOMPARE(cell(uzis, 4), QStringLiteral("PISTOLS_ANIM"));

        // Delete empties the selected row's slot after asking; with the option off it asks nothing.
        list()->selectRow(pistols);
        shell->recording.answers = {Button::Yes};
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QCOMPARE(shell->recording.messages.back().text,
                 std::string("Are you sure you want to delete PISTOLS_ANIM?"));
        QVERIFY(!occupied(pistols));
        QVERIFY(cell(pistols, 3).isEmpty());
        shell->menuItem("Options", "Confirm Deletions")->trigger();
        list()->selectRow(uzis);
        size_t asked = shell->recording.messages.size();
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QVERIFY(!occupied(uzis));
        QCOMPARE(shell->recording.messages.size(), asked);
    }

    void clickingAColumnSortsByItAndClickingAgainReverses() {
        auto names = [this] {
            QStringList shown;
            for (int row = 0; row < list()->model()->rowCount(); ++row)
                shown << cell(row, 2);
            return shown;
        };
        auto byteOrder = [](const QString& a, const QString& b) {
            return a.toLatin1() < b.toLatin1();
        };
        clickColumn(2);
        QStringList ascending = names();
        QVERIFY(std::is_sorted(ascending.begin(), ascending.end(), byteOrder));
        QCOMPARE(list()->horizontalHeader()->sortIndicatorSection(), 2);
        QCOMPARE(list()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        clickColumn(2);
        QStringList descending = names();
        QVERIFY(std::is_sorted(descending.rbegin(), descending.rend(), byteOrder));
        QCOMPARE(list()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void theCategoryBoxShowsOnlyItsSlots() {
        auto* categories = shell->window->findChild<QComboBox*>();
        clickColumn(2);
        categories->setCurrentIndex(categories->findText("Static"));
        // Slots 34, 108-113, 146-150, 164-165 and 173-174, then the 50 static slots 465-514.
        QCOMPARE(list()->model()->rowCount(), 66);
        QCOMPARE(cell(0, 1), QString::fromUtf8("M\u200734"));
        QCOMPARE(cell(16, 1), QString::fromUtf8("S\u2007\u20070"));
        QCOMPARE(list()->horizontalHeader()->sortIndicatorSection(), 1);
        categories->setCurrentIndex(0);
        QCOMPARE(list()->model()->rowCount(), 525);
        QCOMPARE(cell(465, 1), QString::fromUtf8("S\u2007\u20070"));
    }

    void saveWadAsWritesASetThatOpensAgain() {
        addFromTut1([](QTreeWidgetItem* root) { return root; });
        QStringList placed = shell->occupiedNames();
        QCOMPARE(placed.size(), 122);

        std::string mine = (fs::path(test::makeTempDirectory("save-as")) / "mine.WAS").string();
        shell->recording.fileChoices.push_back(FileChoice{mine, 1});
        shell->menuItem("File", "Save Wad As...")->trigger();
        QCOMPARE(shell->recording.fileRequests.back().title, std::string("Save Wad As"));
        QCOMPARE(shell->recording.messages.back().title, std::string("Wad Saved"));
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("mine - Kavrin v2.00"));

        // Nothing is left unsaved, so opening the saved set asks nothing.
        shell->recording.fileChoices.push_back(FileChoice{mine, 1});
        shell->menuItem("File", "Open Wad for Editing...")->trigger();
        QCOMPARE(shell->occupiedNames(), placed);
        QCOMPARE(cell(0, 3), QStringLiteral("mine.WAS"));
        fs::remove_all(fs::path(mine).parent_path());
    }

    void saveCommandsAreGreyedWhileNothingIsPlacedAndClosingAsksToSaveChanges() {
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{false, false, false}));
        shell->window->close();  // nothing unsaved: no question
        QVERIFY(!shell->window->isVisible());
        shell->window->show();
        addFromTut1([](QTreeWidgetItem* root) { return root->child(0); });
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{true, true, true}));

        shell->recording.answers = {Button::Cancel};
        shell->menuItem("File", "Exit")->trigger();
        QVERIFY(shell->window->isVisible());
        QCOMPARE(shell->recording.messages.back().text,
                 std::string("Save changes to [untitled] Wad?"));
        QCOMPARE(shell->recording.messages.back().style, MessageStyle::QuestionYesNoCancel);
        QVERIFY(occupied(0));

        list()->selectRow(0);
        shell->recording.answers = {Button::Yes};
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{false, false, false}));
        shell->recording.answers = {Button::No};  // the deletion is unsaved
        QVERIFY(shell->window->close());
        QVERIFY(!shell->window->isVisible());
    }

    void theFilterShowsTheMatchesOfEverySourceAndEnterAddsTheSelectedOne() {
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        loadReference(shell->realPath("data/title.tr4"), 2);
        auto* filter = shell->window->findChild<QLineEdit*>(QStringLiteral("kavrin_ref_filter"));
        QTest::keyClicks(filter, "holsters_");
        QStringList shown;
        for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* root = tree()->topLevelItem(i);
            for (int child = 0; child < root->childCount(); ++child) {
                if (!root->isHidden() && !root->child(child)->isHidden())
                    shown << root->text(0) + root->child(child)->text(0).section(u' ', -1);
            }
        }
        QCOMPARE(shown,
                 (QStringList{"title.tr4LARA_HOLSTERS_PISTOLS", "tut1.WASLARA_HOLSTERS_PISTOLS",
                              "tut1.WASLARA_HOLSTERS_UZIS", "tut1.WASLARA_HOLSTERS_SIXSHOOTER"}));
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(shell->occupiedNames(), QStringList{"LARA_HOLSTERS_PISTOLS"});
        QCOMPARE(cell(rowOfName("LARA_HOLSTERS_PISTOLS"), 3), QStringLiteral("title.tr4"));
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

        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QCOMPARE(tree()->currentItem(), tree()->topLevelItem(1));
        QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("tut1.WAS"));
    }

    void enterOnTheTreeAddsAndDeleteOnTheListDeletesAfterAsking() {
        // Ctrl+S reaches Save Wad only while something is placed, menu opened or not.
        QAction* save = shell->menuItem("File", "Save Wad");
        QVERIFY(!save->isEnabled());
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        tree()->setFocus();
        tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
        QTest::keyClick(tree(), Qt::Key_Return);
        QCOMPARE(shell->occupiedNames(), QStringList{"LARA"});
        QVERIFY(save->isEnabled());

        list()->setFocus();
        shell->recording.answers = {Button::Yes};
        QTest::keyClick(list(), Qt::Key_Delete);
        QVERIFY(shell->occupiedNames().isEmpty());
        QCOMPARE(shell->recording.messages.back().title, std::string("Confirm Object Delete"));
        QTest::keyClick(list(), Qt::Key_Delete);  // the row is empty now
        QCOMPARE(shell->recording.beeps, 1);
        QVERIFY(!save->isEnabled());
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::MainWindowTest)
#include "main_window_test.moc"
