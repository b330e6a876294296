// The main window over the real Level Editor files: start-up, the controls and menus, and every
// command reaching the core through the window.
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "framework/file_types.h"
#include "framework/paths.h"
#include "shell/support/shell_session.h"
#include "support/test_data.h"

namespace kavrin {

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::ShellSession> shell;

    QTreeWidget* tree() const { return shell->window->findChild<QTreeWidget*>("kavrin_ref_tree"); }
    QTableView* list() const { return shell->window->findChild<QTableView*>("kavrin_edit_list"); }
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
        shell->files.push_back(FileChoice{path, filter});
        shell->menuItem("File", "Load Reference File...")->trigger();
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
        std::string unexpected;
        for (const std::string& what : shell->unexpected)
            unexpected += what + "\n";
        shell.reset();
        QVERIFY2(unexpected.empty(), unexpected.c_str());
    }

    void startsWithTheEmptyUntitledWadInTheWadDirectory() {
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("[untitled] - Kavrin v2.00"));
        QCOMPARE(shell->window->size(), QSize(800, 500));
        QVERIFY(fs::equivalent(currentDirectory(), shell->realPath("graphics/wads")));
        QCOMPARE(tree()->topLevelItemCount(), 0);

        QAbstractItemModel* rows = list()->model();
        QCOMPARE(rows->rowCount(), 525);
        QCOMPARE(rows->columnCount(), 5);
        QStringList headers;
        for (int column = 0; column < 5; ++column) {
            headers << rows->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(headers, (QStringList{"", "ID", "Name", "File", "Label"}));
        QCOMPARE(cell(0, 1), QString::fromUtf8("M\u2007\u20070"));  // "M  0", digits lined up
        QCOMPARE(cell(0, 2), QStringLiteral("LARA"));
        QCOMPARE(cell(465, 1), QString::fromUtf8("S\u2007\u20070"));
        QVERIFY(!occupied(0));
        QCOMPARE(list()->columnWidth(3), 100);

        auto* categories = shell->window->findChild<QComboBox*>();
        QCOMPARE(categories->count(), 21);
        QCOMPARE(categories->currentText(), QStringLiteral("All Objects"));
        QCOMPARE(categories->maxVisibleItems(), 21);
        QVERIFY(shell->window->statusBar()->currentMessage().isEmpty());
        QVERIFY(button("Add >>") && button("Replace >>") && button("Delete >>"));

        QStringList menus;
        for (QAction* menu : shell->window->menuBar()->actions())
            menus << menu->text().remove('&');
        QCOMPARE(menus, (QStringList{"File", "Script", "Utilities", "Options", "Help"}));
        QVERIFY(shell->menuItem("Options", "Confirm Deletions")->isChecked());
        QVERIFY(shell->menuItem("Options", "Confirm Overwriting Objects")->isChecked());
    }

    void layoutKeepsTheTreeWidthAndGivesTheRestToTheList() {
        QRect before = list()->geometry();
        QPoint replace = button("Replace >>")->pos();
        shell->window->resize(1000, 640);
        QTRY_COMPARE(list()->width(), before.width() + 200);
        QCOMPARE(tree()->width(), 250);
        QCOMPARE(list()->x(), before.x());
        QCOMPARE(list()->height(), before.height() + 140);
        QCOMPARE(tree()->height(), list()->height());
        QCOMPARE(button("Replace >>")->x(), replace.x());
        QCOMPARE(button("Replace >>")->y(), replace.y() + 70);
        // The three buttons stand between the tree and the list, one above the other.
        QVERIFY(button("Add >>")->geometry().bottom() < button("Replace >>")->y());
        QVERIFY(button("Replace >>")->geometry().bottom() < button("Delete >>")->y());
        QVERIFY(tree()->geometry().right() < replace.x());
        QVERIFY(button("Replace >>")->geometry().right() < list()->x());
    }

    void tabMovesThroughTheControlsInReadingOrder() {
        QApplication::setActiveWindow(shell->window.get());
        tree()->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            auto* pushed = qobject_cast<QPushButton*>(focus);
            order << (pushed ? pushed->text().remove('&') : focus->metaObject()->className());
        }
        QCOMPARE(order,
                 (QStringList{"Add >>", "Replace >>", "Delete >>", "QComboBox", "QTableView"}));
    }

    void loadReferenceFileLetsTheFilterChooseBetweenSetAndLevel() {
        // Only the folder and base name count: tut1.tr4 with the first filter is the tut1 set.
        loadReference(shell->realPath("graphics/wads/tut1.tr4"), 1);
        loadReference(shell->realPath("data/title.WAS"), 2);
        QCOMPARE(shell->fileRequests.at(0).title, std::string("Load Reference File"));
        QCOMPARE(shell->fileRequests.at(0).type, uint32_t(FILE_REFERENCE));
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QTreeWidgetItem* title = tree()->topLevelItem(0);
        QTreeWidgetItem* tut1 = tree()->topLevelItem(1);
        QCOMPARE(title->text(0), QStringLiteral("title.tr4"));
        QCOMPARE(tut1->text(0), QStringLiteral("tut1.WAS"));
        QVERIFY(tut1->font(0).bold());
        QVERIFY(tut1->childCount() > 0);
        QCOMPARE(tut1->child(0)->text(0), QString::fromUtf8("M\u2007\u20070 LARA"));
        QVERIFY(!tut1->child(0)->font(0).bold());
        QVERIFY(title->childCount() > 0);
        // A second copy of a source gets a root of its own, sorted with the others.
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        QCOMPARE(tree()->topLevelItemCount(), 3);
        QCOMPARE(tree()->topLevelItem(2)->text(0), QStringLiteral("tut1.WAS"));
        QVERIFY(shell->messages.empty());
    }

    void loadingShowsTheProgressWindowAndCannotBeClosedMeanwhile() {
        QStringList captions;
        bool closedWhileLoading = false;
        std::function<void(const ProgressState&)> show = shell->session.ui.port.progressShow;
        shell->session.ui.port.progressShow = [&](const ProgressState& state) {
            show(state);
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->isVisible() && top->windowTitle() == QString::fromStdString(state.caption))
                    captions << top->windowTitle();
            }
            closedWhileLoading = closedWhileLoading || shell->window->close();
        };
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        QVERIFY(captions.contains("Loading tut1 Wad..."));
        QVERIFY(!closedWhileLoading);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            QVERIFY2(!top->isVisible() || top == shell->window.get(),
                     qPrintable(top->windowTitle()));
        }
    }

    void addReplaceAndDeleteThroughTheButtons() {
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        QTreeWidgetItem* tut1 = tree()->topLevelItem(0);
        tree()->setCurrentItem(tut1->child(1));  // M 1 PISTOLS_ANIM
        QTest::mouseClick(button("Add >>"), Qt::LeftButton);
        int pistols = rowOfName("PISTOLS_ANIM");
        QVERIFY(occupied(pistols));
        QCOMPARE(cell(pistols, 3), QStringLiteral("tut1.WAS"));
        QCOMPARE(cell(pistols, 4), QStringLiteral("PISTOLS_ANIM"));
        QCOMPARE(list()->selectionModel()->selectedRows().value(0).row(), pistols);
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("[untitled] - Kavrin v2.00"));

        // Replace puts the selected object into the selected row's slot, after asking.
        int uzis = rowOfName("UZI_ANIM");
        list()->selectRow(uzis);
        shell->answers = {Button::Yes};
        QTest::mouseClick(button("Replace >>"), Qt::LeftButton);
        QCOMPARE(shell->messages.back().title, std::string("Confirm Object Replace"));
        QVERIFY(occupied(uzis));
        QCOMPARE(cell(uzis, 4), QStringLiteral("PISTOLS_ANIM"));

        // Delete empties the selected row's slot; an empty row only beeps.
        list()->selectRow(pistols);
        shell->answers = {Button::Yes};
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QCOMPARE(shell->messages.back().text, std::string("Are you sure you want to delete "
                                                          "PISTOLS_ANIM?"));
        QVERIFY(!occupied(pistols));
        QVERIFY(cell(pistols, 3).isEmpty());
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QCOMPARE(shell->beeps, 1);

        // With the option off, Delete asks nothing.
        shell->menuItem("Options", "Confirm Deletions")->trigger();
        QVERIFY(!shell->menuItem("Options", "Confirm Deletions")->isChecked());
        list()->selectRow(uzis);
        size_t asked = shell->messages.size();
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QVERIFY(!occupied(uzis));
        QCOMPARE(shell->messages.size(), asked);
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
        clickColumn(1);
        QCOMPARE(cell(0, 2), QStringLiteral("LARA"));
        QCOMPARE(cell(524, 1), QString::fromUtf8("S\u200759"));
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

    void saveCommandsAreGreyedWhileNothingIsPlaced() {
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{false, false, false}));
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
        QTest::mouseClick(button("Add >>"), Qt::LeftButton);
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{true, true, true}));
        list()->selectRow(0);
        shell->answers = {Button::Yes};
        QTest::mouseClick(button("Delete >>"), Qt::LeftButton);
        QCOMPARE(saveCommandsEnabled(), (QList<bool>{false, false, false}));
    }

    void saveWadAsWritesASetThatOpensAgain() {
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        tree()->setCurrentItem(tree()->topLevelItem(0));
        shell->answers = {Button::Yes};
        QTest::mouseClick(button("Add >>"), Qt::LeftButton);
        QStringList placed;
        for (int row = 0; row < 525; ++row) {
            if (occupied(row)) placed << cell(row, 2);
        }

        std::string scratch = test::makeTempDirectory("save-as");
        shell->files.push_back(FileChoice{(fs::path(scratch) / "mine.WAS").string(), 1});
        shell->menuItem("File", "Save Wad As...")->trigger();
        QCOMPARE(shell->fileRequests.back().title, std::string("Save Wad As"));
        QCOMPARE(shell->messages.back().title, std::string("Wad Saved"));
        QCOMPARE(shell->window->windowTitle(), QStringLiteral("mine - Kavrin v2.00"));

        // Nothing is left unsaved, so opening the saved set asks nothing.
        shell->files.push_back(FileChoice{(fs::path(scratch) / "mine.WAS").string(), 1});
        shell->menuItem("File", "Open Wad for Editing...")->trigger();
        QStringList reopened;
        for (int row = 0; row < 525; ++row) {
            if (occupied(row)) {
                reopened << cell(row, 2);
                QCOMPARE(cell(row, 3), QStringLiteral("mine.WAS"));
            }
        }
        QCOMPARE(reopened, placed);
        fs::remove_all(scratch);
    }

    void closingAsksToSaveChangesAndCancelKeepsTheWindow() {
        shell->window->close();  // nothing unsaved: no question
        QVERIFY(!shell->window->isVisible());
        shell->window->show();
        loadReference(shell->realPath("graphics/wads/tut1.WAS"), 1);
        tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
        QTest::mouseClick(button("Add >>"), Qt::LeftButton);

        shell->answers = {Button::Cancel};
        shell->menuItem("File", "Exit")->trigger();
        QVERIFY(shell->window->isVisible());
        QCOMPARE(shell->messages.back().text, std::string("Save changes to [untitled] Wad?"));
        QCOMPARE(shell->messages.back().style, MessageStyle::QuestionYesNoCancel);
        QVERIFY(occupied(0));
        shell->answers = {Button::No};
        QVERIFY(shell->window->close());
        QVERIFY(!shell->window->isVisible());
    }

    void theAboutBoxNamesTheProgramAndVersion() {
        QStringList texts;
        QString title;
        test::whenModalOpens([&](QWidget* about) {
            title = about->windowTitle();
            for (QLabel* label : about->findChildren<QLabel*>())
                texts << label->text();
            QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
        });
        shell->menuItem("Help", "About")->trigger();
        QCOMPARE(title, QStringLiteral("About Kavrin"));
        QVERIFY(texts.contains("Kavrin Version 2.00"));
        QVERIFY(texts.filter("Homepage: ").size() == 1 && texts.filter("E-mail: ").size() == 1);
    }
};

}  // namespace kavrin

QTEST_MAIN(kavrin::MainWindowTest)
#include "main_window_test.moc"
