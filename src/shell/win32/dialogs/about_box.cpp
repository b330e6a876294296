#include "shell/win32/dialogs/about_box.h"

#include <string>

#include "framework/manual.h"
#include "framework/program_info.h"
#include "framework/text_format.h"
#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/dialog_ids.h"
#include "shell/win32/dialogs/program_directory.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

void setText(HWND dialog, int id, const std::string& text) {
    setWindowText(GetDlgItem(dialog, id), text);
}

INT_PTR CALLBACK aboutProcedure(HWND dialog, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            setWindowText(dialog, format("About %s", PROGRAM_NAME));
            setText(dialog, IDC_ABOUT_VERSION,
                    format("%s Version %s", PROGRAM_NAME, PROGRAM_VERSION));
            setText(dialog, IDC_ABOUT_NAME, PROGRAM_NAME);
            setText(dialog, IDC_ABOUT_COPYRIGHT, PROGRAM_COPYRIGHT);
            // The project's pages are its manual; it has no web site or e-mail address to name.
            setText(dialog, IDC_ABOUT_HOMEPAGE,
                    format("Homepage: %s", manualPath(programDirectory()).c_str()));
            ShowWindow(GetDlgItem(dialog, IDC_ABOUT_EMAIL), SW_HIDE);
            return TRUE;
        case WM_COMMAND:
            EndDialog(dialog, IDOK);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void showAboutBox(HWND owner) {
    centreNextActivated();
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutProcedure,
                    0);
    cancelCentring();
}

}  // namespace kavrin::win32
