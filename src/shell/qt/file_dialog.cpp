#include "shell/qt/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <algorithm>

#include "framework/file_types.h"

namespace kavrin::shell {

QStringList nameFilters(uint32_t type) {
    QStringList filters;
    for (const FileFilter& filter : fileType(type).filters) {
        filters << QStringLiteral("%1 (%2)").arg(QString::fromUtf8(filter.description),
                                                 QString::fromUtf8(filter.pattern));
    }
    return filters;
}

uint32_t filterIndexOf(uint32_t type, const QString& filter) {
    uint32_t index = 0;
    for (const FileFilter& known : fileType(type).filters) {
        ++index;
        QString description = QString::fromUtf8(known.description);
        // The dialog names a filter by its description alone when it hides the patterns.
        if (filter == description || filter == QStringLiteral("%1 (%2)").arg(
                                                   description, QString::fromUtf8(known.pattern))) {
            return index;
        }
    }
    return 0;
}

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(QString::fromStdString(request.title));
    // The descriptions already name their extensions; the patterns need not be shown twice.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters(request.type));
    dialog.setDirectory(QDir::currentPath());
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.strict);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.strict ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
}

FileChoice fileChoiceOf(const QFileDialog& dialog, uint32_t type) {
    FileChoice choice;
    QStringList files = dialog.selectedFiles();
    if (!files.isEmpty()) choice.path = QDir::toNativeSeparators(files.first()).toStdString();
    choice.filterIndex = std::max(1u, filterIndexOf(type, dialog.selectedNameFilter()));
    return choice;
}

std::optional<FileChoice> runFileDialog(QWidget* owner, const FileDialogRequest& request) {
    QFileDialog dialog(owner);
    prepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return fileChoiceOf(dialog, request.type);
}

}  // namespace kavrin::shell
