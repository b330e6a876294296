#include "framework/text_format.h"

#include <cstdio>

namespace kavrin {

std::string formatV(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    text.pop_back();
    return text;
}

std::string formatLimited(size_t limit, const char* format, va_list args) {
    std::string text = formatV(format, args);
    if (limit > 0 && text.size() > limit - 1) text.resize(limit - 1);
    return text;
}

std::string format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatV(format, args);
    va_end(args);
    return text;
}

std::string escapedText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte >= 0x80) {
            escaped += format("\\x%02x", byte);
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace kavrin
