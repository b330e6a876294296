#include "shell/win32/dialogs/program_directory.h"

#include <windows.h>

#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

std::string programDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    return narrow(path);
}

}  // namespace kavrin::win32
