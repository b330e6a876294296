#include "shell/qt/folder_dialog.h"

#include <QAbstractFileIconProvider>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace kavrin::shell {

namespace {

// Every row is a folder, so one icon serves them all. The model would otherwise look each folder's
// icon up in the desktop's icon theme, which without a theme searches its folders anew for every
// row and keeps the program busy for many seconds in a large folder.
class FolderIcons : public QAbstractFileIconProvider {
public:
    explicit FolderIcons(QIcon folder) : folder_(std::move(folder)) {}
    QIcon icon(IconType) const override { return folder_; }
    QIcon icon(const QFileInfo&) const override { return folder_; }

private:
    QIcon folder_;
};

// A typed path as a folder's absolute path: "~" stands for the home folder.
QString typedFolder(QString text) {
    text = text.trimmed();
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/"))) {
        text.replace(0, 1, QDir::homePath());
    }
    if (text.isEmpty()) return {};
    QFileInfo info(QDir::fromNativeSeparators(text));
    return info.isDir() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

}  // namespace

FolderDialog::FolderDialog(QWidget* owner, const FolderRequest& request)
    : QDialog(owner),
      okEnabled_(request.okEnabled),
      icons_(std::make_unique<FolderIcons>(style()->standardIcon(QStyle::SP_DirIcon))),
      model_(new QFileSystemModel(this)),
      tree_(new QTreeView(this)),
      path_(new QLineEdit(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Browse for Folder"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QString::fromStdString(request.prompt), this);
    prompt->setTextFormat(Qt::PlainText);
    layout->addWidget(prompt);
    layout->addWidget(tree_);
    auto* pathRow = new QFormLayout;
    pathRow->addRow(tr("&Folder:"), path_);
    layout->addLayout(pathRow);
    layout->addWidget(buttons_);

    // The model would watch every folder it has read and read it again at each change, which on
    // a busy disk (a temporary folder, a build) keeps the program working while it sits idle.
    model_->setOption(QFileSystemModel::DontWatchForChanges);
    model_->setIconProvider(icons_.get());
    // Hidden folders too: on Linux the Level Editor lives in the hidden ~/.wine.
    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::Hidden | QDir::NoDotAndDotDot);
    model_->setRootPath(QString());
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    prompt->setBuddy(tree_);
    auto* completer = new QCompleter(model_, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    path_->setCompleter(completer);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderDialog::treeSelected);
    connect(path_, &QLineEdit::textEdited, this, &FolderDialog::pathTyped);
    connect(tree_, &QAbstractItemView::pressed, this, [this] { keepInView_ = false; });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The folders are read in the background and their rows sorted in later: the start folder,
    // or the one typed, is brought into view again as the rows around it come in, until the user
    // moves in the tree.
    auto keepInView = [this] {
        if (keepInView_ && isVisible()) QTimer::singleShot(0, this, &FolderDialog::centreCurrent);
    };
    connect(model_, &QAbstractItemModel::rowsInserted, this, keepInView);
    connect(model_, &QAbstractItemModel::layoutChanged, this, keepInView);

    QString start = QString::fromStdString(request.startDirectory);
    path_->setText(QDir::toNativeSeparators(start));
    pathTyped();
    tree_->expand(tree_->currentIndex());
    path_->setFocus();
    path_->selectAll();
    resize(480, 520);
}

FolderDialog::~FolderDialog() {
    delete model_;
}

QString FolderDialog::folder() const {
    return QDir::toNativeSeparators(typedFolder(path_->text()));
}

void FolderDialog::treeSelected() {
    if (!followingPath_) {
        QModelIndex current = tree_->currentIndex();
        if (current.isValid()) path_->setText(QDir::toNativeSeparators(model_->filePath(current)));
    }
    offerOk();
}

void FolderDialog::pathTyped() {
    QString typed = typedFolder(path_->text());
    if (!typed.isEmpty()) {
        followingPath_ = true;
        tree_->setCurrentIndex(model_->index(typed));
        centreCurrent();
        followingPath_ = false;
    }
    offerOk();
}

void FolderDialog::offerOk() {
    QString chosen = folder();
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(!chosen.isEmpty() && (!okEnabled_ || okEnabled_(chosen.toStdString())));
}

void FolderDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the tree has its size, so that the folders around the start one show as well.
    QTimer::singleShot(0, this, &FolderDialog::centreCurrent);
}

void FolderDialog::centreCurrent() {
    tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

std::optional<std::string> runFolderDialog(QWidget* owner, const FolderRequest& request) {
    FolderDialog dialog(owner, request);
    if (dialog.exec() != QDialog::Accepted || dialog.folder().isEmpty()) return std::nullopt;
    return dialog.folder().toStdString();
}

}  // namespace kavrin::shell
