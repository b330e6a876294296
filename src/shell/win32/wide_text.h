// Texts between the core, which speaks UTF-8, and the Windows controls, which speak UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace kavrin::win32 {

std::wstring wideText(std::string_view text);
std::string utf8Text(std::wstring_view text);

}  // namespace kavrin::win32
