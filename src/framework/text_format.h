// printf-style formatting into std::string.
#pragma once

#include <cstdarg>
#include <string>

#include "framework/ui.h"

namespace kavrin {

std::string format(const char* format, ...) KAVRIN_PRINTF(1, 2);
std::string formatV(const char* format, va_list args);
// As formatV, cut to at most `limit` - 1 characters, as a fixed buffer of `limit` would hold.
std::string formatLimited(size_t limit, const char* format, va_list args);

}  // namespace kavrin
