// The file dialog and the folder picker, as the core uses them: the backend shows the dialog, the
// core turns the answer into a file record.
#pragma once

#include <cstdint>
#include <memory>

namespace kavrin {

struct FileRecord;
struct Ui;

// Asks for a file of the type (its filters; `title`, or the type's dialog title when null). With
// `strict`, an open dialog wants an existing file and a save dialog asks before overwriting. True
// with a new record in `out` (directory, base name up to the last dot, full path, chosen filter);
// false, `out` untouched, when the user cancels.
bool chooseFile(Ui& ui, bool save, const char* title, uint32_t type, bool strict,
                std::unique_ptr<FileRecord>& out);

// Asks for a folder, starting in the record's directory (the current directory when it has
// none, the nearest existing folder above it when it is not there). With `checkFile`, OK is offered
// only in folders that hold the record's name plus its type's extension. True when a folder was
// chosen: it becomes the record's directory (the path is left for the caller to rebuild).
bool browseForFolder(Ui& ui, FileRecord& record, bool checkFile, const char* prompt);

}  // namespace kavrin
