#include "shell/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "decompiler/decompile_command.h"
#include "editing/categories.h"
#include "editing/context_menus.h"
#include "editing/drops.h"
#include "editing/edited_wad_commands.h"
#include "editing/main_window_layout.h"
#include "editing/reference_commands.h"
#include "editing/rows.h"
#include "editing/save_wad.h"
#include "editing/session.h"
#include "editing/wad_commands.h"
#include "framework/launch.h"
#include "save/set_budget.h"
#include "save/wad_check.h"
#include "framework/manual.h"
#include "script/build_script.h"
#include "script/script_writer.h"
#include "shell/qt/about_box.h"
#include "shell/qt/combo_boxes.h"
#include "shell/qt/edited_list_model.h"
#include "shell/qt/icons.h"
#include "shell/qt/preview_pane.h"
#include "shell/qt/qt_ui.h"
#include "shell/qt/reference_tree.h"
#include "shell/qt/splitter_bar.h"
#include "texture/extract_command.h"

namespace kavrin::shell {

namespace {

// The size of the three buttons: the longest label with room around it.
QSize buttonSize(const QPushButton& widest) {
    QFontMetrics metrics(widest.font());
    QSize roomy(metrics.horizontalAdvance(QStringLiteral("Replace >>")) + 30,
                metrics.height() + 10);
    return roomy.expandedTo(widest.sizeHint());
}

// The local files a drag from the file manager brings that load as references.
std::vector<std::string> droppedReferences(const QMimeData* data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls()) {
        std::string path = QDir::toNativeSeparators(url.toLocalFile()).toStdString();
        if (url.isLocalFile() && droppedFileKind(path) != 0) paths.push_back(path);
    }
    return paths;
}

// The width of the category box: the longest name, and room for the arrow.
int categoryBoxWidth(const QComboBox& box) {
    QFontMetrics metrics(box.font());
    int widest = 0;
    for (const char* name : CATEGORY_NAMES) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(name)));
    }
    return std::max(widest + 50, box.sizeHint().width());
}

}  // namespace

MainWindow::MainWindow(Session& session, QtUi& ui) : session_(session) {
    ui.setMainWindow(this);
    setWindowIcon(programIcon());
    setWindowTitle(QString::fromStdString(kavrin::windowTitle(session_)));
    makeControls();
    setUpTree();
    setUpEditedList();
    makeMenus();
    enableSaveCommands();
    showCoreChanges();
    setAcceptDrops(true);
    resize(800, 500);
    addPreviewDock(*this, session_, *tree_, *list_);
}

MainWindow::~MainWindow() {
    session_.view = {};
}

void MainWindow::makeControls() {
    auto* body = new QWidget(this);
    setCentralWidget(body);
    body->installEventFilter(this);

    treeCaption_ = new QLabel(tr("R&eference Objects"), body);
    filter_ = new QLineEdit(body);
    tree_ = new QTreeWidget(body);
    tree_->setObjectName(QStringLiteral("kavrin_ref_tree"));
    treeCaption_->setBuddy(tree_);
    splitter_ = new SplitterBar(body);
    connect(splitter_, &SplitterBar::dragStarted, this,
            [this] { treeWidthAtDrag_ = tree_->width(); });
    connect(splitter_, &SplitterBar::dragged, this, [this](int offset) {
        // Kept within the window, so that a drag past a limit turns back at once.
        treeWidth_ = fitTreeWidth(measure(), treeWidthAtDrag_ + offset);
        layOut();
    });

    add_ = new QPushButton(tr("&Add >>"), body);
    replace_ = new QPushButton(tr("&Replace >>"), body);
    delete_ = new QPushButton(tr("&Delete >>"), body);
    connect(add_, &QPushButton::clicked, this, [this] { add(session_); });
    connect(replace_, &QPushButton::clicked, this, [this] { replace(session_); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteObject(session_); });

    categoryCaption_ = new QLabel(tr("Display Objects of &Type"), body);
    categories_ = new QComboBox(body);
    fillComboBox(*categories_, CATEGORY_NAMES, static_cast<int>(ALL_OBJECTS));
    categoryCaption_->setBuddy(categories_);
    connect(categories_, &QComboBox::currentIndexChanged, this,
            [this](int category) { setCategoryFilter(session_, static_cast<uint32_t>(category)); });

    list_ = new QTableView(body);
    list_->setObjectName(QStringLiteral("kavrin_edit_list"));

    statusBar()->setSizeGripEnabled(true);
    statusBar()->installEventFilter(this);
    budget_ = new QLabel(statusBar());
    budget_->setObjectName(QStringLiteral("budget"));
    statusBar()->addWidget(budget_, 1);
    budgetDue_ = new QTimer(this);
    budgetDue_->setSingleShot(true);
    connect(budgetDue_, &QTimer::timeout, this, &MainWindow::showBudget);
    setTabOrder(filter_, tree_);
    setTabOrder(tree_, add_);
    setTabOrder(add_, replace_);
    setTabOrder(replace_, delete_);
    setTabOrder(delete_, categories_);
    setTabOrder(categories_, list_);
}

void MainWindow::setUpTree() {
    filter_->setObjectName(QStringLiteral("kavrin_ref_filter"));
    filter_->setPlaceholderText(tr("Find an object"));
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);
    connect(filter_, &QLineEdit::textChanged, this, &MainWindow::filterTree);
    connect(filter_, &QLineEdit::returnPressed, this, [this] { add(session_); });
    auto* find = new QAction(tr("Find"), this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        filter_->setFocus();
        filter_->selectAll();
    });
    addAction(find);

    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    // Long labels scroll sideways rather than being cut.
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setDragDropMode(QAbstractItemView::DragOnly);
    tree_->setDefaultDropAction(Qt::CopyAction);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->installEventFilter(this);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { session_.selectedEntry = entryOf(current); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this] { activateTreeItem(session_, true); });
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QTreeWidgetItem* item = tree_->itemAt(at);
        if (item) tree_->setCurrentItem(item);
        showContextMenu(treeContextMenu(session_, item != nullptr),
                        tree_->viewport()->mapToGlobal(at));
    });
}

void MainWindow::setUpEditedList() {
    model_ = new EditedListModel(session_, this);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(false);
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(false);
    list_->setIconSize(occupiedMark().size());
    list_->verticalHeader()->hide();
    // Rows as tight as a list's: the table's default leaves room for editors.
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);

    QHeaderView* header = list_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(true);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { sortByColumn(session_, column); });
    list_->resizeColumnToContents(1);
    list_->resizeColumnToContents(2);
    // The mark column is empty at first; it is as wide as the mark with its margins.
    list_->setColumnWidth(0, occupiedMark().width() + 16);
    list_->setColumnWidth(3, 100);
    list_->setColumnWidth(4, 200);
    showSortOrder();

    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (followingCore_) return;
        QModelIndexList rows = list_->selectionModel()->selectedRows();
        session_.edited.selectedRow = rows.isEmpty() ? NO_ROW : rows.first().row();
    });

    // Tree entries dropped on the list: the drop is carried out once the drag has ended, since it
    // may ask questions.
    list_->setDragDropMode(QAbstractItemView::DropOnly);
    list_->setDragDropOverwriteMode(false);
    list_->viewport()->installEventFilter(this);
    connect(
        model_, &EditedListModel::entryDropped, this,
        [this](int row) {
            if (!session_.selectedEntry) return;
            dropEntry(session_, *session_.selectedEntry,
                      row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row)));
        },
        Qt::QueuedConnection);

    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QModelIndex index = list_->indexAt(at);
        if (!index.isValid()) return;
        list_->selectRow(index.row());
        showContextMenu(listContextMenu(session_), list_->viewport()->mapToGlobal(at));
    });
    list_->installEventFilter(this);
}

void MainWindow::makeMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New Wad"), this, [this] { newWad(session_); });
    file->addAction(tr("&Open Wad for Editing..."), QKeySequence(tr("Ctrl+O")), this,
                    [this] { openWadForEditing(session_); });
    saveWad_ = file->addAction(tr("&Save Wad"), QKeySequence(tr("Ctrl+S")), this,
                               [this] { saveWad(session_, false); });
    saveWadAs_ = file->addAction(tr("Save Wad &As..."), QKeySequence(tr("Ctrl+Shift+S")), this,
                                 [this] { saveWad(session_, true); });
    file->addSeparator();
    file->addAction(tr("Load &Reference File..."), QKeySequence(tr("Ctrl+L")), this,
                    [this] { loadReferenceFile(session_); });
    file->addSeparator();
    file->addAction(tr("E&xit"), this, &QWidget::close);
    connect(file, &QMenu::aboutToShow, this, &MainWindow::enableSaveCommands);

    QMenu* script = menuBar()->addMenu(tr("&Script"));
    script->addAction(tr("Build Wad from Script..."), this, [this] { runScript(true); });
    script->addAction(tr("&Load Script..."), this, [this] { runScript(false); });
    saveScript_ =
        script->addAction(tr("&Save Script"), this, [this] { saveBuildScript(session_); });
    script->addAction(tr("&Check Wad"), this, [this] { showWadCheck(session_); });
    connect(script, &QMenu::aboutToShow, this, &MainWindow::enableSaveCommands);

    QMenu* utilities = menuBar()->addMenu(tr("&Utilities"));
    utilities->addAction(tr("&Decompile script.dat"), this,
                         [this] { decompileGameScript(session_.ui, *session_.languageStrings); });

    // The template commands have no function: they stay on the menu, greyed.
    QMenu* texture = menuBar()->addMenu(tr("&Texture"));
    QAction* extract = texture->addAction(tr("&Extract From File..."), this,
                                          [this] { extractTextureFromFile(session_.ui); });
    extract->setObjectName(QStringLiteral("extractFromFile"));
    texture->addAction(tr("&Save Object Texture Template..."))->setEnabled(false);
    texture->addAction(tr("&Load Object Texture Template.."))->setEnabled(false);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    QAction* deletions = options->addAction(tr("Confirm Deletions"));
    deletions->setCheckable(true);
    deletions->setChecked(session_.edited.confirmDeletions);
    connect(deletions, &QAction::triggered, this,
            [this, deletions] { deletions->setChecked(toggleConfirmDeletions(session_)); });
    QAction* overwriting = options->addAction(tr("Confirm Overwriting Objects"));
    overwriting->setCheckable(true);
    overwriting->setChecked(session_.edited.confirmOverwriting);
    connect(overwriting, &QAction::triggered, this,
            [this, overwriting] { overwriting->setChecked(toggleConfirmOverwriting(session_)); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&On-line Help"), this, [this] {
        showOnlineHelp(session_.ui, QApplication::applicationDirPath().toStdString());
    });
    help->addSeparator();
    help->addAction(tr("&About"), this, [this] { AboutBox(this).exec(); });
}

void MainWindow::showCoreChanges() {
    ViewPort& view = session_.view;
    view.referenceAdded = [this](ReferenceSource& source, size_t position) {
        addReferenceItems(*tree_, *session_.catalogue, source, position);
        budgetDue_->start(0);  // every set carries some sounds from the sources
        filterTree();
    };
    view.entrySelected = [this](const ObjectEntry& entry) {
        QTreeWidgetItem* item = itemOf(entry);
        if (!item) return;
        if (item->isHidden() || (item->parent() && item->parent()->isHidden())) filter_->clear();
        tree_->setCurrentItem(item);
        tree_->scrollToItem(item);
    };
    view.rowChanged = [this](size_t row) {
        model_->rowChanged(static_cast<int>(row));
        enableSaveCommands();
    };
    view.rowsRebuilt = [this] {
        // A new set of rows loses the view's selection; the core's stays.
        followingCore_ = true;
        model_->rebuild();
        selectRow(session_.edited.selectedRow);
        followingCore_ = false;
        showSortOrder();
        enableSaveCommands();
    };
    view.rowSelected = [this](size_t row) { selectRow(static_cast<int>(row)); };
    view.redraw = [this](bool on) {
        list_->setUpdatesEnabled(on);
        if (on) enableSaveCommands();
    };
    view.titleChanged = [this](const std::string& title) {
        setWindowTitle(QString::fromStdString(title));
    };
    view.editedWadChanged = [this] { budgetDue_->start(0); };
    showBudget();
}

void MainWindow::showBudget() {
    // A long operation lets timers run while it changes the slots: count once it is done.
    if (session_.ui.progress.visible) return budgetDue_->start(100);
    budget_->setText(QString::fromStdString(budgetText(measureSet(session_))));
}

void MainWindow::filterTree() {
    QTreeWidgetItem* first = filterReferenceItems(*tree_, *session_.catalogue, filter_->text());
    // Enter in the field adds the selected object: while there is a text, that is a match, or
    // nothing (Enter then beeps) when nothing matches.
    QTreeWidgetItem* current = tree_->currentItem();
    bool currentShown =
        current && !current->isHidden() && !(current->parent() && current->parent()->isHidden());
    if (!filter_->text().isEmpty() && !currentShown) tree_->setCurrentItem(first);
}

void MainWindow::selectRow(int row) {
    if (row < 0) return list_->clearSelection();
    list_->selectRow(row);
    list_->scrollTo(model_->index(row, 0));
}

void MainWindow::showSortOrder() {
    int code = session_.edited.sortCode;
    list_->horizontalHeader()->setSortIndicator(
        std::abs(code) - 1, code < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// The save commands are greyed while nothing is placed, in the menus and for their keys alike.
void MainWindow::enableSaveCommands() {
    bool anything = session_.edited.occupiedCount != 0;
    for (QAction* action : {saveWad_, saveWadAs_, saveScript_})
        action->setEnabled(anything);
}

void MainWindow::runScript(bool build) {
    if (dropEditedWad(session_)) runBuildScript(session_, build);
    enableSaveCommands();
}

void MainWindow::showContextMenu(const std::vector<ContextMenuItem>& items, const QPoint& at) {
    if (items.empty()) return;
    QMenu menu(this);
    for (const ContextMenuItem& item : items) {
        QAction* action = menu.addAction(QString::fromStdString(item.text));
        action->setData(static_cast<int>(item.command));
        if (item.command == ContextCommand::Delete) action->setShortcut(QKeySequence::Delete);
    }
    if (QAction* chosen = menu.exec(at)) {
        runContextCommand(session_, static_cast<ContextCommand>(chosen->data().toInt()));
    }
}

void MainWindow::sizeControls() {
    // Sizes follow the font and style, which are only final once the window is shown.
    QSize size = buttonSize(*replace_);
    for (QPushButton* button : {add_, replace_, delete_})
        button->setFixedSize(size);
    for (QLabel* caption : {treeCaption_, categoryCaption_}) {
        // Glyph advances are fractional and the label's own size rounds them down, which cuts
        // the last letter by a pixel or two: size it to the text's exact bounds, rounded up.
        QString text = caption->text().remove(QLatin1Char('&'));
        QRectF bounds = QFontMetricsF(caption->font()).boundingRect(text);
        caption->adjustSize();
        caption->resize(std::max(caption->width(), static_cast<int>(std::ceil(bounds.right())) + 1),
                        caption->height());
    }
    categories_->setFixedSize(categoryBoxWidth(*categories_), categories_->sizeHint().height());
}

MainWindowSizes MainWindow::measure() {
    sizeControls();
    QWidget* body = centralWidget();
    int statusHeight = statusBar()->isHidden() ? 0 : statusBar()->height();
    MainWindowSizes sizes;
    // The status strip belongs to the client area, below the body.
    sizes.clientWidth = body->width();
    sizes.clientHeight = body->height() + statusHeight;
    sizes.statusHeight = statusHeight;
    sizes.treeWidth = treeWidth_;
    sizes.filterHeight = filter_->sizeHint().height();
    sizes.buttonWidth = add_->width();
    sizes.buttonHeight = add_->height();
    sizes.treeCaptionWidth = treeCaption_->width();
    sizes.treeCaptionHeight = treeCaption_->height();
    sizes.categoryCaptionWidth = categoryCaption_->width();
    sizes.categoryBoxWidth = categories_->width();
    sizes.categoryBoxHeight = categories_->height();
    return sizes;
}

void MainWindow::layOut() {
    MainWindowSizes sizes = measure();
    ClientSize least = minimumClientSize(sizes);
    centralWidget()->setMinimumSize(least.width, least.height - sizes.statusHeight);
    MainWindowLayout layout = layOutMainWindow(sizes);

    auto place = [](QWidget* widget, ControlPosition at) { widget->move(at.x, at.y); };
    auto fit = [](QWidget* widget, ControlRect at) {
        widget->setGeometry(at.x, at.y, at.width, at.height);
    };
    place(treeCaption_, layout.treeCaption);
    fit(filter_, layout.filterField);
    fit(tree_, layout.tree);
    fit(splitter_, layout.splitter);
    place(add_, layout.addButton);
    place(replace_, layout.replaceButton);
    place(delete_, layout.deleteButton);
    place(categoryCaption_, layout.categoryCaption);
    place(categories_, layout.categoryBox);
    fit(list_, layout.editedList);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == centralWidget() || watched == statusBar()) && event->type() == QEvent::Resize) {
        layOut();
    }
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == tree_ && enter) {
            activateTreeItem(session_, false);
            return true;
        }
        if (watched == list_ && key == Qt::Key_Delete) {
            deleteObject(session_);
            return true;
        }
        // From the filter field, the arrow keys go on to the tree's matches.
        if (watched == filter_ && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            QApplication::sendEvent(tree_, event);
            return true;
        }
    }
    // Only entries of this window's own tree can be dropped on the list.
    bool dragging = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                    event->type() == QEvent::Drop;
    if (dragging && watched == list_->viewport() &&
        static_cast<QDropEvent*>(event)->source() != tree_) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    // Nothing new is loaded while a long operation shows its progress.
    if (!session_.ui.progress.visible && !droppedReferences(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = droppedReferences(event->mimeData());
    if (paths.empty() || session_.ui.progress.visible) return;
    event->acceptProposedAction();
    // Loaded once the file manager has its drop answered.
    QTimer::singleShot(0, this, [this, paths] { loadDroppedFiles(session_, paths); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The progress window lets the window system's requests through while a long operation
    // runs; closing then would pull the edited WAD from under it.
    if (session_.ui.progress.visible) return event->ignore();
    if (askSaveChanges(session_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace kavrin::shell
