#include "shell/win32/dialogs/folder_browser.h"

#include <shlobj.h>

#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

struct Browse {
    const FolderRequest& request;
    std::wstring start;
};

// The file-system path of a browser item; empty for places that are no folder (the desktop's
// Control Panel, say).
std::string folderPath(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(item, path) ? narrow(path) : std::string();
}

int CALLBACK browseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    const Browse& browse = *reinterpret_cast<const Browse*>(data);
    switch (message) {
        case BFFM_INITIALIZED:
            centreOverOwner(browser);
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(browse.start.c_str()));
            if (browse.request.okEnabled) {
                SendMessageW(browser, BFFM_ENABLEOK, 0,
                             browse.request.okEnabled(narrow(browse.start)));
            }
            break;
        case BFFM_SELCHANGED: {
            std::string folder = folderPath(reinterpret_cast<LPCITEMIDLIST>(lParam));
            if (browse.request.okEnabled && !folder.empty()) {
                SendMessageW(browser, BFFM_ENABLEOK, 0, browse.request.okEnabled(folder));
            }
            break;
        }
        case BFFM_VALIDATEFAILEDW:
            // A typed path that is no folder: a beep, and the browser stays open.
            MessageBeep(MB_ICONWARNING);
            return 1;
        default:
            break;
    }
    return 0;
}

}  // namespace

std::optional<std::string> runFolderBrowser(HWND owner, const FolderRequest& request) {
    // The browser of the new style (with its edit field) needs COM on this thread.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::wstring prompt = widen(request.prompt);
    Browse browse{request, widen(request.startDirectory)};
    std::optional<std::string> chosen;
    for (;;) {
        BROWSEINFOW info{};
        info.hwndOwner = owner;
        info.lpszTitle = prompt.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_VALIDATE;
        info.lpfn = browseCallback;
        info.lParam = reinterpret_cast<LPARAM>(&browse);
        LPITEMIDLIST item = SHBrowseForFolderW(&info);
        if (!item) break;
        std::string folder = folderPath(item);
        CoTaskMemFree(item);
        // A typed path skips the check that guards OK: a folder that fails it opens the
        // browser again there, where the user sees OK refused.
        if (!folder.empty() && (!request.okEnabled || request.okEnabled(folder))) {
            chosen = folder;
            break;
        }
        MessageBeep(MB_ICONWARNING);
        if (!folder.empty()) browse.start = widen(folder);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return chosen;
}

}  // namespace kavrin::win32
