// Turning a stored language string into the text of a decompiled language file.
//
// Every byte of a stored string is XOR-ed with a one-byte mask. Language files come with 0x5E or,
// like the Level Editor's own ENGLISH.DAT, with 0xA5; nothing in the file says which, so the mask
// is recognised from the contents.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kavrin {

inline constexpr uint8_t LANGUAGE_MASK = 0x5E;
inline constexpr uint8_t LEVEL_EDITOR_LANGUAGE_MASK = 0xA5;

// The mask, of the two, under which more of the strings' bytes decode to printable ASCII, tab or
// newline; LANGUAGE_MASK on a tie.
uint8_t chooseLanguageMask(const std::vector<std::span<const uint8_t>>& storedStrings);

// Decodes one stored string (without its NUL) and escapes it for a single line of text: newline
// and tab as \n and \t, other control bytes and every byte from 0x80 up as \x and two lower-case
// hex digits. A backslash stays as it is.
std::string decodeLanguageString(std::span<const uint8_t> stored, uint8_t mask);

}  // namespace kavrin
