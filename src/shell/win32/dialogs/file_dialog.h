// The system's open and save dialogs, driven by the file type table.
#pragma once

#include <windows.h>
// after windows.h, which it needs
#include <commdlg.h>

#include <optional>
#include <string>

#include "framework/ui.h"

namespace kavrin::win32 {

// The open-file-name record of a request: the type's filters, the title, the strict flags, the
// current directory to start in. It holds the texts the record points at, so it stays in place.
class FileDialogSetup {
public:
    FileDialogSetup(HWND owner, HINSTANCE instance, const FileDialogRequest& request);
    FileDialogSetup(const FileDialogSetup&) = delete;
    FileDialogSetup& operator=(const FileDialogSetup&) = delete;

    OPENFILENAMEW& record() { return record_; }
    // Runs the open or save dialog, centred over its owner; true when a file was chosen.
    bool run();
    FileChoice choice() const;

private:
    bool save_;
    std::wstring filters_;
    std::wstring title_;
    std::wstring startDirectory_;
    std::wstring path_;
    OPENFILENAMEW record_{};
};

std::optional<FileChoice> runFileDialog(HWND owner, HINSTANCE instance,
                                        const FileDialogRequest& request);

}  // namespace kavrin::win32
