// printf-style formatting into std::string.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "framework/ui.h"

namespace kavrin {

std::string format(const char* format, ...) KAVRIN_PRINTF(1, 2);
std::string formatV(const char* format, va_list args);
// As formatV, cut to at most `limit` - 1 characters, as a fixed buffer of `limit` would hold.
std::string formatLimited(size_t limit, const char* format, va_list args);

// Text made fit for one line, as a decompiled string or a label quoted in a message: newline and
// tab as \n and \t, other bytes below 0x20 and every byte from 0x80 up as \x and two lower-case
// hex digits. A backslash stays as it is.
std::string escapedText(std::string_view text);

}  // namespace kavrin
