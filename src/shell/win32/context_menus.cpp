// The right-click menus: the core says which commands apply, the window shows them.
#include "editing/context_menus.h"

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

}  // namespace kavrin::win32
