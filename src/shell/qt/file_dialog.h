// The open and save file dialogs, driven by the file type table.
#pragma once

#include <QStringList>
#include <optional>

#include "framework/ui.h"

class QFileDialog;
class QWidget;

namespace kavrin::shell {

// The dialog's filters for a file type: the description, and the pattern in brackets.
QStringList nameFilters(uint32_t type);

// The 1-based index of a filter the dialog reports, whole or as its description; 0 when the type
// has no such filter.
uint32_t filterIndexOf(uint32_t type, const QString& filter);

// Sets the dialog up for the request: title, filters (the first one chosen), open or save, and
// what `strict` asks for. No default extension: a name typed without one is kept as typed.
void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// The chosen path and the 1-based filter left chosen in the dialog.
FileChoice fileChoiceOf(const QFileDialog& dialog, uint32_t type);

// Runs the dialog modally over the owner; nothing when the user cancels.
std::optional<FileChoice> runFileDialog(QWidget* owner, const FileDialogRequest& request);

}  // namespace kavrin::shell
