#include "shell/win32/dialogs/combo_boxes.h"

#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

void fillComboBox(HWND combo, std::span<const char* const> names, int selection) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const char* name : names) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(name).c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

void fitComboDropDown(HWND combo, int count) {
    if (count < 0) count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    int itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    RECT box;
    GetWindowRect(combo, &box);
    // The height of a drop-down list box is that of its edit part and its dropped list together.
    int editHeight =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    SetWindowPos(combo, nullptr, 0, 0, box.right - box.left, editHeight + itemHeight * (count + 2),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kavrin::win32
