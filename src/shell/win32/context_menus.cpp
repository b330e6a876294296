// The right-click menus: the core says which commands apply, the window shows them.
#include <windows.h>

#include <commctrl.h>

#include "editing/context_menus.h"
#include "editing/session.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/main_window.h"

namespace kavrin::win32 {

void showContextMenu(MainWindow& main, const std::vector<ContextMenuItem>& items, POINT screen) {
    if (items.empty()) return;
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < items.size(); ++i) {
        std::wstring text = widen(items[i].text);
        if (items[i].command == ContextCommand::Delete) text += L"\tDel";
        AppendMenuW(menu, MF_STRING, i + 1, text.c_str());
    }
    auto chosen =
        static_cast<size_t>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                           screen.x, screen.y, 0, main.window, nullptr));
    DestroyMenu(menu);
    if (chosen > 0) runContextCommand(main.session, items[chosen - 1].command);
}

void showKeyboardContextMenu(MainWindow& main, HWND control) {
    RECT rect{};
    if (control == main.tree.handle()) {
        HTREEITEM item = TreeView_GetSelection(control);
        if (item) TreeView_GetItemRect(control, item, &rect, TRUE);
        POINT at{rect.left, rect.bottom};
        ClientToScreen(control, &at);
        showContextMenu(main, treeContextMenu(main.session, item != nullptr), at);
    } else if (control == main.list.handle() && main.session.edited.selectedRow >= 0) {
        ListView_GetItemRect(control, main.session.edited.selectedRow, &rect, LVIR_LABEL);
        POINT at{rect.left, rect.bottom};
        ClientToScreen(control, &at);
        showContextMenu(main, listContextMenu(main.session), at);
    }
}

}  // namespace kavrin::win32
