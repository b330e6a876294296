// The Windows backend of the ui port: message boxes, the progress dialog, the common file dialogs
// (with the texture extraction panel when asked for), the shell's folder browser, the beep and the
// shell's "open" verb for documents and web addresses.
#pragma once

#include <windows.h>

#include "framework/ui.h"
#include "texture/extraction_settings.h"

namespace kavrin::win32 {

class WindowsUi {
public:
    // Installs the backend into `ui`, which must outlive it. `instance` holds the dialog templates.
    explicit WindowsUi(Ui& ui, HINSTANCE instance);
    ~WindowsUi();
    WindowsUi(const WindowsUi&) = delete;
    WindowsUi& operator=(const WindowsUi&) = delete;

    // The window that owns the progress dialog and, when no dialog is open, every message.
    void setMainWindow(HWND window);

    // The progress dialog once made (tests read its bar and text).
    HWND progressWindow() const { return progress_; }

private:
    // Messages and dialogs belong to the dialog the user is in, else to the main window.
    HWND owner() const;

    Ui& ui_;
    HINSTANCE instance_;
    HWND mainWindow_ = nullptr;
    HWND progress_ = nullptr;
    ExtractionSettings extraction_;  // kept from one extraction dialog to the next
};

}  // namespace kavrin::win32
