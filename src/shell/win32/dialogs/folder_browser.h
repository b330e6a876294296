// The shell's folder browser for the ui port's folder requests.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/ui.h"

namespace kavrin::win32 {

// Starts in the request's folder, with a field to type or paste a path; OK is offered only where
// the request allows. The chosen folder, or nothing on cancel.
std::optional<std::string> runFolderBrowser(HWND owner, const FolderRequest& request);

}  // namespace kavrin::win32
