#include "shell/win32/dialogs/windows_ui.h"

#include <shellapi.h>

#include "framework/launch.h"
#include "shell/win32/dialogs/extraction_panel.h"
#include "shell/win32/dialogs/file_dialog.h"
#include "shell/win32/dialogs/folder_browser.h"
#include "shell/win32/dialogs/message_box.h"
#include "shell/win32/dialogs/progress_dialog.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

WindowsUi::WindowsUi(Ui& ui, HINSTANCE instance) : ui_(ui), instance_(instance) {
    UiPort& port = ui_.port;
    port.message = [this](MessageStyle style, const std::string& title, const std::string& text) {
        return showMessageBox(owner(), style, title, text);
    };
    port.beep = [] { MessageBeep(MB_OK); };
    port.progressCreate = [this] {
        progress_ = createProgressDialog(instance_, mainWindow_);
        return progress_ != nullptr;
    };
    port.progressShow = [this](const ProgressState& state) {
        if (progress_) showProgress(progress_, state);
    };
    port.progressHide = [this] {
        if (progress_) ShowWindow(progress_, SW_HIDE);
    };
    port.chooseFile = [this](const FileDialogRequest& request) -> std::optional<FileChoice> {
        if (!request.extractionPanel) return runFileDialog(owner(), instance_, request);
        runExtractionDialog(owner(), instance_, request, ui_, extraction_);
        return std::nullopt;
    };
    port.browseForFolder = [this](const FolderRequest& request) {
        return runFolderBrowser(owner(), request);
    };
    port.launch = [](const std::string& address) -> std::optional<std::string> {
        auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
            nullptr, L"open", widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result > 32) return std::nullopt;
        return launchErrorText(static_cast<int>(result));
    };
}

WindowsUi::~WindowsUi() {
    ui_.port = {};
    if (progress_) DestroyWindow(progress_);
}

void WindowsUi::setMainWindow(HWND window) {
    mainWindow_ = window;
}

HWND WindowsUi::owner() const {
    // A modal dialog is the active window while the windows below it are disabled.
    HWND active = GetActiveWindow();
    if (active && active != progress_ && IsWindowEnabled(active)) return active;
    return mainWindow_;
}

}  // namespace kavrin::win32
