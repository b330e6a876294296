// Refusing a file whose contents do not hold together.
#pragma once

#include <string>

#include "framework/ui.h"

namespace kavrin {

// Shows one message, titled "Kavrin", naming the file and what is wrong with it:
// "<path> cannot be read:\n<problem>". Always returns false, so a reader can `return refuseFile(...)`.
bool refuseFile(Ui& ui, const std::string& path, const char* problemFormat, ...) KAVRIN_PRINTF(3, 4);

}  // namespace kavrin
