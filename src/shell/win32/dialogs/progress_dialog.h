// The progress window of long operations: dialog 118, modeless, made once and kept for the run.
#pragma once

#include <windows.h>

#include "framework/ui.h"

namespace kavrin::win32 {

// Makes the (hidden) progress window owned by `owner`; nullptr when the template cannot be loaded.
HWND createProgressDialog(HINSTANCE instance, HWND owner);

// Shows the state's caption, text and bar, centring the window over its owner when it appears,
// and lets it and its owner repaint while the operation goes on.
void showProgress(HWND dialog, const ProgressState& state);

}  // namespace kavrin::win32
