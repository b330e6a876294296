#include "shell/win32/dialogs/file_dialog.h"

#include "framework/file_types.h"
#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

constexpr size_t PATH_CAPACITY = 4096;

// Description and pattern of each filter, each ended by a NUL, the list by an empty string.
std::wstring filterList(uint32_t type) {
    std::wstring list;
    for (const FileFilter& filter : fileType(type).filters) {
        list += widen(filter.description) + L'\0' + widen(filter.pattern) + L'\0';
    }
    return list + L'\0';
}

}  // namespace

FileDialogSetup::FileDialogSetup(HWND owner, HINSTANCE instance, const FileDialogRequest& request)
    : save_(request.save),
      filters_(filterList(request.type)),
      title_(widen(request.title)),
      path_(PATH_CAPACITY, L'\0') {
    startDirectory_.resize(GetCurrentDirectoryW(0, nullptr));
    startDirectory_.resize(
        GetCurrentDirectoryW(static_cast<DWORD>(startDirectory_.size()), startDirectory_.data()));
    record_.lStructSize = sizeof(record_);
    record_.hwndOwner = owner;
    record_.hInstance = instance;
    record_.lpstrFilter = filters_.size() > 1 ? filters_.c_str() : nullptr;
    record_.nFilterIndex = 1;
    record_.lpstrFile = path_.data();
    record_.nMaxFile = static_cast<DWORD>(path_.size());
    record_.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    record_.lpstrInitialDir = startDirectory_.c_str();
    // The program's current directory is its own: a dialog does not move it.
    record_.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING;
    if (request.strict) {
        record_.Flags |= request.save ? OFN_OVERWRITEPROMPT : OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    }
}

bool FileDialogSetup::run() {
    centreNextActivated();
    BOOL chosen = save_ ? GetSaveFileNameW(&record_) : GetOpenFileNameW(&record_);
    cancelCentring();
    return chosen && path_[0] != L'\0';
}

FileChoice FileDialogSetup::choice() const {
    FileChoice chosen;
    chosen.path = narrow(path_.c_str());
    chosen.filterIndex = record_.nFilterIndex ? record_.nFilterIndex : 1;
    return chosen;
}

std::optional<FileChoice> runFileDialog(HWND owner, HINSTANCE instance,
                                        const FileDialogRequest& request) {
    FileDialogSetup dialog(owner, instance, request);
    if (!dialog.run()) return std::nullopt;
    return dialog.choice();
}

}  // namespace kavrin::win32
