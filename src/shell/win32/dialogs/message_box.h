// The system's message box for the ui port's messages.
#pragma once

#include <windows.h>

#include <string>

#include "framework/ui.h"

namespace kavrin::win32 {

// Shows the text modally, centred over `owner` (without one, over the screen, and every window of
// the program waits for it); returns the button pressed.
Button showMessageBox(HWND owner, MessageStyle style, const std::string& title,
                      const std::string& text);

}  // namespace kavrin::win32
