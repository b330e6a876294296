// The main window: the reference tree, the Add, Replace and Delete buttons, the edited list with
// its category box, the menus, and the view through which the editing core shows its changes.
#pragma once

#include <QMainWindow>

namespace kavrin {
struct Session;
}

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class QTreeWidget;

namespace kavrin::shell {

class EditedListModel;
class QtUi;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Shows the session, whose catalogue is loaded, and owns its messages and dialogs.
    MainWindow(Session& session, QtUi& ui);
    ~MainWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeControls();
    void setUpEditedList();
    void makeMenus();
    void showCoreChanges();
    void sizeControls();
    void layOut();
    void selectRow(int row);
    void showSortOrder();
    void enableSaveCommands();
    // The status strip: the figures the edited WAD's set would have if saved now.
    void showBudget();
    // Load Script and Build Wad from Script start from an empty edited WAD.
    void runScript(bool build);

    Session& session_;
    QTreeWidget* tree_ = nullptr;
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
    QTimer* budgetDue_ = nullptr;  // one new budget for a run of changes
    bool followingCore_ = false;  // the view is being told the core's selection
};

}  // namespace kavrin::shell
