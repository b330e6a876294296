// Every dialog of the program opens centred over the window it belongs to.
#pragma once

#include <windows.h>

namespace kavrin::win32 {

// Moves the window to the centre of its parent or owner (the screen when it has neither), kept on
// the screen, without resizing or activating it.
void centreOverOwner(HWND window);

// Centres the next window the thread activates, once: installed right before a system dialog or
// message box whose window the program never gets to see before it shows.
void centreNextActivated();

// Removes the hook when the dialog it was meant for never opened.
void cancelCentring();

}  // namespace kavrin::win32
