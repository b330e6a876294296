#include "shell/qt/folder_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace kavrin::shell {

FolderDialog::FolderDialog(QWidget* owner, const FolderRequest& request)
    : QDialog(owner),
      okEnabled_(request.okEnabled),
      model_(new QFileSystemModel(this)),
      tree_(new QTreeView(this)),
      path_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(tr("Browse for Folder"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QString::fromStdString(request.prompt), this);
    prompt->setTextFormat(Qt::PlainText);
    layout->addWidget(prompt);
    layout->addWidget(tree_);
    layout->addWidget(path_);
    layout->addWidget(buttons_);

    model_->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    model_->setRootPath(QString());
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    prompt->setBuddy(tree_);
    path_->setTextFormat(Qt::PlainText);
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderDialog::folderSelected);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
    QModelIndex start = model_->index(QString::fromStdString(request.startDirectory));
    tree_->setCurrentIndex(start);
    tree_->scrollTo(start, QAbstractItemView::PositionAtCenter);
    folderSelected();
    resize(420, 460);
}

QString FolderDialog::folder() const {
    QModelIndex current = tree_->currentIndex();
    return current.isValid() ? QDir::toNativeSeparators(model_->filePath(current)) : QString();
}

void FolderDialog::folderSelected() {
    QString chosen = folder();
    path_->setText(chosen);
    if (chosen.isEmpty()) return;  // nothing on disk to check: OK stays as it was
    buttons_->button(QDialogButtonBox::Ok)
        ->setEnabled(!okEnabled_ || okEnabled_(chosen.toStdString()));
}

std::optional<std::string> runFolderDialog(QWidget* owner, const FolderRequest& request) {
    FolderDialog dialog(owner, request);
    if (dialog.exec() != QDialog::Accepted || dialog.folder().isEmpty()) return std::nullopt;
    return dialog.folder().toStdString();
}

}  // namespace kavrin::shell
