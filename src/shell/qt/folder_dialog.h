// The folder picker: the prompt, a tree of the file system's folders opened at the start folder,
// and a field to type or paste a folder's path into. OK is offered only for a folder that exists
// and that the request accepts.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

#include "framework/ui.h"

class QAbstractFileIconProvider;
class QDialogButtonBox;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace kavrin::shell {

class FolderDialog : public QDialog {
    Q_OBJECT

public:
    FolderDialog(QWidget* owner, const FolderRequest& request);
    ~FolderDialog() override;

    // The folder in the field, with the platform's separators; empty when no such folder exists.
    QString folder() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void treeSelected();
    void pathTyped();
    void offerOk();
    void centreCurrent();

    std::function<bool(const std::string&)> okEnabled_;
    std::unique_ptr<QAbstractFileIconProvider> icons_;  // outlives the model, which uses it
    QFileSystemModel* model_;
    QTreeView* tree_;
    QLineEdit* path_;
    QDialogButtonBox* buttons_;
    bool followingPath_ = false;  // the tree is being moved to the typed folder
    bool keepInView_ = true;      // the current folder is kept in view until the user moves
};

// Runs the picker modally over the owner; nothing when the user cancels.
std::optional<std::string> runFolderDialog(QWidget* owner, const FolderRequest& request);

}  // namespace kavrin::shell
