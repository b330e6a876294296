// The filter field above the reference tree. Enter adds the selected match as the Add button
// does; the arrow keys move through the tree's matches without leaving the field.
#include <windows.h>

#include <commctrl.h>

#include "editing/edited_wad_commands.h"
#include "shell/win32/main_window.h"
#include "shell/win32/resource_ids.h"

namespace kavrin::win32 {

namespace {

LRESULT CALLBACK filterFieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
    auto& main = *reinterpret_cast<MainWindow*>(data);
    bool arrow = wParam == VK_UP || wParam == VK_DOWN;
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        add(main.session);
        return 0;
    }
    if (message == WM_CHAR && wParam == L'\r') return 0;  // no beep for the Enter just handled
    if (message == WM_KEYDOWN && arrow) {
        SendMessageW(main.tree.handle(), message, wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(field, filterFieldProcedure, 0);
    return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

HWND createFilterField(MainWindow& main) {
    HWND field = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0,
        250, 20, main.window, reinterpret_cast<HMENU>(ID_FILTER_FIELD), main.instance, nullptr);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(main.font), FALSE);
    SendMessageW(field, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Find an object"));
    // As tall as the font needs, with the border.
    HDC dc = GetDC(field);
    HGDIOBJ old = SelectObject(dc, main.font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(field, dc);
    SetWindowPos(field, nullptr, 0, 0, 250, metrics.tmHeight + 8, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowSubclass(field, filterFieldProcedure, 0, reinterpret_cast<DWORD_PTR>(&main));
    return field;
}

}  // namespace kavrin::win32
