// The main window: the reference tree with its filter field, the Add, Replace and Delete buttons,
// the edited list with its category box, the menus, and the view through which the editing core
// shows its changes.
#pragma once

#include <QMainWindow>
#include <vector>

#include "editing/main_window_layout.h"

namespace kavrin {
struct ContextMenuItem;
struct Session;
}  // namespace kavrin

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class QTreeWidget;

namespace kavrin::shell {

class EditedListModel;
class QtUi;
class SplitterBar;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Shows the session, whose catalogue is loaded, and owns its messages and dialogs.
    MainWindow(Session& session, QtUi& ui);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // WAD sets and levels dragged from the file manager load as references.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void makeControls();
    void setUpTree();
    void setUpEditedList();
    void makeMenus();
    void showCoreChanges();
    void sizeControls();
    MainWindowSizes measure();
    void layOut();
    void filterTree();
    void selectRow(int row);
    void showSortOrder();
    void enableSaveCommands();
    // The status strip: the figures the edited WAD's set would have if saved now.
    void showBudget();
    // Load Script and Build Wad from Script start from an empty edited WAD.
    void runScript(bool build);
    void showContextMenu(const std::vector<ContextMenuItem>& items, const QPoint& at);

    Session& session_;
    QLineEdit* filter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    SplitterBar* splitter_ = nullptr;
    QTableView* list_ = nullptr;
    EditedListModel* model_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* delete_ = nullptr;
    QLabel* treeCaption_ = nullptr;
    QLabel* categoryCaption_ = nullptr;
    QComboBox* categories_ = nullptr;
    QAction* saveWad_ = nullptr;
    QAction* saveWadAs_ = nullptr;
    QAction* saveScript_ = nullptr;
    QLabel* budget_ = nullptr;
    QTimer* budgetDue_ = nullptr;         // one new budget for a run of changes
    int treeWidth_ = DEFAULT_TREE_WIDTH;  // as the user dragged it; a narrow window narrows it more
    int treeWidthAtDrag_ = 0;             // when the splitter bar's drag started
    bool followingCore_ = false;          // the view is being told the core's selection
};

}  // namespace kavrin::shell
