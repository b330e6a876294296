// kavrin.exe: the desktop program. Its only argument names the Level Editor directory.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "editing/session.h"
#include "editing/start_up.h"
#include "framework/program_info.h"
#include "framework/ui.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/dialogs/windows_ui.h"
#include "shell/win32/main_window.h"
#include "shell/win32/resource_ids.h"

namespace {

// The Level Editor directory given on the command line, made absolute: the WAD directory below
// it becomes the current directory.
std::optional<std::string> levelEditorArgument() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::optional<std::string> directory;
    if (arguments && count > 1) {
        wchar_t full[MAX_PATH];
        DWORD length = GetFullPathNameW(arguments[1], MAX_PATH, full, nullptr);
        if (length > 0 && length < MAX_PATH) directory = kavrin::win32::narrow(full);
    }
    LocalFree(arguments);
    return directory;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    kavrin::Session session;
    kavrin::win32::WindowsUi ui(session.ui, instance);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                       ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                                       ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    if (!InitCommonControlsEx(&controls)) {
        showMessage(session.ui, kavrin::MessageStyle::ErrorOk, kavrin::PROGRAM_NAME,
                    "Could not initialize common controls");
        return 0;
    }
    std::optional<std::string> trle = levelEditorArgument();
    if (!kavrin::startSession(session, trle ? &*trle : nullptr)) return 0;
    if (!kavrin::win32::registerMainWindowClass(instance)) {
        showMessage(session.ui, kavrin::MessageStyle::ErrorOk, kavrin::PROGRAM_NAME,
                    "Unable to register window class!");
        return 0;
    }
    HWND window = kavrin::win32::createMainWindow(session, instance);
    if (!window) return 0;
    ui.setMainWindow(window);
    ShowWindow(window, show);
    UpdateWindow(window);

    HACCEL keys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window, keys, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
