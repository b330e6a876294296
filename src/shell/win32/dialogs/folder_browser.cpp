#include "shell/win32/dialogs/folder_browser.h"

#include <commctrl.h>
#include <shlobj.h>

#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

struct Browse {
    const FolderRequest& request;
    std::wstring start;
    std::string selected;  // the folder selected in the tree
    std::string typed;     // a folder typed into the field when OK was pressed
};

// The file-system path of a browser item; empty for places that are no folder (the desktop's
// Control Panel, say).
std::string folderPath(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH] = {};
    return SHGetPathFromIDListW(item, path) ? narrow(path) : std::string();
}

// A typed full path of a folder that is there ("C:\trle", "\\server\share\trle"); else empty.
std::string typedFolder(const std::string& text) {
    bool drive = text.size() >= 3 && text[1] == ':' && (text[2] == '\\' || text[2] == '/');
    bool network = text.rfind("\\\\", 0) == 0;
    DWORD attributes = GetFileAttributesW(widen(text).c_str());
    bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return (drive || network) && folder ? text : std::string();
}

// OK follows the folder the user means: a full path typed into the field, else the tree's folder.
void offerOk(HWND browser, const Browse& browse, const std::string& typed) {
    if (!browse.request.okEnabled) return;
    std::string folder = typedFolder(typed);
    if (folder.empty()) folder = browse.selected;
    if (!folder.empty()) SendMessageW(browser, BFFM_ENABLEOK, 0, browse.request.okEnabled(folder));
}

// Hears the browser's field, which the browser tells no one else: what is typed there decides
// whether OK is offered, and a folder typed there is the one OK chooses (some browsers answer
// with the tree's folder whatever the field says).
LRESULT CALLBACK browserSubclass(HWND browser, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
    Browse& browse = *reinterpret_cast<Browse*>(data);
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        offerOk(browser, browse, windowText(reinterpret_cast<HWND>(lParam)));
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        browse.typed = typedFolder(windowText(FindWindowExW(browser, nullptr, L"Edit", nullptr)));
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(browser, browserSubclass, 1);
    return DefSubclassProc(browser, message, wParam, lParam);
}

int CALLBACK browseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    Browse& browse = *reinterpret_cast<Browse*>(data);
    switch (message) {
        case BFFM_INITIALIZED:
            centreOverOwner(browser);
            SetWindowSubclass(browser, browserSubclass, 1, static_cast<DWORD_PTR>(data));
            browse.selected = narrow(browse.start);
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(browse.start.c_str()));
            offerOk(browser, browse, {});
            break;
        case BFFM_SELCHANGED: {
            std::string folder = folderPath(reinterpret_cast<LPCITEMIDLIST>(lParam));
            // A place that is no folder leaves OK as it was.
            if (!folder.empty()) browse.selected = folder;
            offerOk(browser, browse, {});
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
    Browse browse{request, widen(request.startDirectory), {}, {}};
    std::optional<std::string> chosen;
    for (;;) {
        BROWSEINFOW info{};
        info.hwndOwner = owner;
        info.lpszTitle = prompt.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE | BIF_VALIDATE;
        info.lpfn = browseCallback;
        info.lParam = reinterpret_cast<LPARAM>(&browse);
        browse.typed.clear();
        LPITEMIDLIST item = SHBrowseForFolderW(&info);
        if (!item) break;
        std::string folder = browse.typed.empty() ? folderPath(item) : browse.typed;
        CoTaskMemFree(item);
        // A name typed relative to the tree's folder escapes the check that guards OK: a folder
        // that fails it opens the browser again there, where the user sees OK refused.
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
