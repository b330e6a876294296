// Refusing a file whose contents cannot be used.
#pragma once

#include <string>

#include "framework/ui.h"

namespace kavrin {

// Shows one message naming the file, as it exists on disk, and what is wrong with it:
// "<path> cannot be read:\n<problem>", titled "Kavrin". Always returns false, so a reader can
// `return refuseFile(...)`.
bool refuseFile(Ui& ui, const std::string& path, const char* problemFormat, ...)
    KAVRIN_PRINTF(3, 4);
// The same under a title that names the problem.
bool refuseFileTitled(Ui& ui, const char* title, const std::string& path, const char* problemFormat,
                      ...) KAVRIN_PRINTF(4, 5);

}  // namespace kavrin
