#include "shell/win32/dialogs/progress_dialog.h"

#include <commctrl.h>

#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/dialog_ids.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

INT_PTR CALLBACK progressProcedure(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The operation runs on the window's own thread and dispatches nothing, so the windows are
// painted here. Input stays queued: a click meanwhile must not start another command.
void repaintNow(HWND dialog) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    UpdateWindow(dialog);
    if (HWND owner = GetWindow(dialog, GW_OWNER)) UpdateWindow(owner);
}

}  // namespace

HWND createProgressDialog(HINSTANCE instance, HWND owner) {
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PROGRESS), owner, progressProcedure,
                              0);
}

void showProgress(HWND dialog, const ProgressState& state) {
    setWindowText(dialog, state.caption);
    setWindowText(GetDlgItem(dialog, IDC_PROGRESS_TEXT), state.text);
    HWND bar = GetDlgItem(dialog, IDC_PROGRESS_BAR);
    SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(state.rangeStart),
                 static_cast<LPARAM>(state.rangeEnd));
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(state.position), 0);
    if (!IsWindowVisible(dialog)) {
        centreOverOwner(dialog);
        ShowWindow(dialog, SW_SHOWNA);
    }
    repaintNow(dialog);
}

}  // namespace kavrin::win32
