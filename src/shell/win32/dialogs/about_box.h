// The About box (dialog 102): the program's name, version, copyright and where its manual is.
#pragma once

#include <windows.h>

namespace kavrin::win32 {

// Shows the About box modally, centred over `owner`.
void showAboutBox(HWND owner);

}  // namespace kavrin::win32
