// What the main window takes by drag and drop: a tree entry dragged onto the edited list, and
// WAD sets and levels dropped from Explorer. The core's drops module decides what each does.
#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "editing/drops.h"
#include "editing/session.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/main_window.h"

namespace kavrin::win32 {

namespace {

bool overList(const MainWindow& main) {
    return WindowFromPoint(cursorPosition()) == main.list.handle();
}

}  // namespace

void startEntryDrag(MainWindow& main, const ObjectEntry& entry) {
    main.draggedEntry = &entry;
    SetCapture(main.window);
}

bool entryDragMouse(MainWindow& main, UINT message) {
    if (!main.draggedEntry) return false;
    switch (message) {
        case WM_SETCURSOR:
        case WM_MOUSEMOVE:
            SetCursor(LoadCursorW(nullptr,
                                  reinterpret_cast<LPCWSTR>(overList(main) ? IDC_ARROW : IDC_NO)));
            return true;
        case WM_LBUTTONUP: {
            const ObjectEntry* entry = main.draggedEntry;
            bool dropped = overList(main);
            int row = main.list.rowAt(cursorPosition());
            ReleaseCapture();  // ends the drag (WM_CAPTURECHANGED)
            if (dropped) {
                dropEntry(main.session, *entry,
                          row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row)));
            }
            return true;
        }
        case WM_CAPTURECHANGED:
            main.draggedEntry = nullptr;
            return true;
    }
    return false;
}

void dropFiles(MainWindow& main, HDROP drop) {
    std::vector<std::string> paths;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop, i, path.data(), length + 1);
        path.resize(length);
        paths.push_back(narrow(path));
    }
    DragFinish(drop);
    // Nothing new is loaded while a long operation shows its progress.
    if (!main.session.ui.progress.visible) loadDroppedFiles(main.session, paths);
}

}  // namespace kavrin::win32
