// The folder picker: a tree of the file system's folders under the request's prompt, whose OK
// is offered only in the folders the request accepts.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "framework/ui.h"

class QDialogButtonBox;
class QFileSystemModel;
class QLabel;
class QTreeView;

namespace kavrin::shell {

class FolderDialog : public QDialog {
    Q_OBJECT

public:
    FolderDialog(QWidget* owner, const FolderRequest& request);

    // The selected folder, with the platform's separators.
    QString folder() const;

private:
    void folderSelected();

    std::function<bool(const std::string&)> okEnabled_;
    QFileSystemModel* model_;
    QTreeView* tree_;
    QLabel* path_;
    QDialogButtonBox* buttons_;
};

// Runs the picker modally over the owner; nothing when the user cancels.
std::optional<std::string> runFolderDialog(QWidget* owner, const FolderRequest& request);

}  // namespace kavrin::shell
