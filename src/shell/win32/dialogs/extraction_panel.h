// The file dialog of Extract From File, with the texture extraction options (dialog 109) inside it.
#pragma once

#include <windows.h>

#include "framework/ui.h"
#include "texture/extraction_settings.h"

namespace kavrin::win32 {

// Opens on the filter of the remembered input type, so that the options shown and the files listed
// agree; the panel keeps its choices in `settings` for the rest of the run. "Extract" extracts the
// chosen file and leaves the dialog open for the next one; only Cancel closes it.
void runExtractionDialog(HWND owner, HINSTANCE instance, const FileDialogRequest& request, Ui& ui,
                         ExtractionSettings& settings);

}  // namespace kavrin::win32
