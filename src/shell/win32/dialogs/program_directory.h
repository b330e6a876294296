// The folder of the running program, where the installed manual is found from.
#pragma once

#include <string>

namespace kavrin::win32 {

std::string programDirectory();

}  // namespace kavrin::win32
