#include "decompiler/language_escaping.h"

#include "framework/text_format.h"

namespace kavrin {

namespace {

bool isText(uint8_t c) {
    return (c >= 0x20 && c <= 0x7E) || c == '\t' || c == '\n';
}

size_t textBytesUnder(const std::vector<std::span<const uint8_t>>& storedStrings, uint8_t mask) {
    size_t count = 0;
    for (std::span<const uint8_t> stored : storedStrings) {
        for (uint8_t c : stored)
            count += isText(static_cast<uint8_t>(c ^ mask));
    }
    return count;
}

}  // namespace

uint8_t chooseLanguageMask(const std::vector<std::span<const uint8_t>>& storedStrings) {
    return textBytesUnder(storedStrings, LEVEL_EDITOR_LANGUAGE_MASK) >
                   textBytesUnder(storedStrings, LANGUAGE_MASK)
               ? LEVEL_EDITOR_LANGUAGE_MASK
               : LANGUAGE_MASK;
}

std::string decodeLanguageString(std::span<const uint8_t> stored, uint8_t mask) {
    std::string text(stored.size(), '\0');
    for (size_t i = 0; i < stored.size(); ++i)
        text[i] = static_cast<char>(stored[i] ^ mask);
    return escapedText(text);
}

}  // namespace kavrin
