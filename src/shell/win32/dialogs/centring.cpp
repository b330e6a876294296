#include "shell/win32/dialogs/centring.h"

#include "framework/ui.h"

namespace kavrin::win32 {

namespace {

HHOOK centringHook = nullptr;  // one for every installer: only one dialog opens at a time

LRESULT CALLBACK centreOnActivate(int code, WPARAM wParam, LPARAM) {
    if (code == HCBT_ACTIVATE) {
        centreOverOwner(reinterpret_cast<HWND>(wParam));
        cancelCentring();
    }
    return 0;
}

WindowRect rectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void centreOverOwner(HWND window) {
    HWND over = GetParent(window);  // a popup's owner when it has no parent
    if (!over) over = GetWindow(window, GW_OWNER);
    if (!over) over = GetDesktopWindow();
    RECT own;
    RECT parent;
    GetWindowRect(window, &own);
    GetWindowRect(over, &parent);
    WindowRect size = rectOf(own);
    WindowPosition at =
        centreWindow(size.width, size.height, rectOf(parent), GetSystemMetrics(SM_CXFULLSCREEN),
                     GetSystemMetrics(SM_CYFULLSCREEN));
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreNextActivated() {
    cancelCentring();
    centringHook = SetWindowsHookExW(WH_CBT, centreOnActivate, nullptr, GetCurrentThreadId());
}

void cancelCentring() {
    if (centringHook) UnhookWindowsHookEx(centringHook);
    centringHook = nullptr;
}

}  // namespace kavrin::win32
