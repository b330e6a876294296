// What to say when the desktop cannot open a document or a web address.
#pragma once

#include <string>

namespace kavrin {

// The shell's documented launch failure codes that a backend may report.
inline constexpr int LAUNCH_FILE_NOT_FOUND = 2;
inline constexpr int LAUNCH_NO_ASSOCIATION = 31;

// The sentence for a launch failure code.
std::string launchErrorText(int code);

}  // namespace kavrin
