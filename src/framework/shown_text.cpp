#include "framework/shown_text.h"

#include <algorithm>
#include <system_error>

#include "framework/paths.h"
#include "framework/text_format.h"

namespace kavrin {

std::string errorText(int error) {
    return format("%d (%s)", error, std::generic_category().message(error).c_str());
}

std::string shownPath(const std::string& path) {
    return resolveExistingPath(path);
}

std::string alignedNumberText(const std::string& text) {
    size_t blanks = 0;
    while (blanks < 3 && 1 + blanks < text.size() && text[1 + blanks] == ' ')
        ++blanks;
    std::string shown = text.substr(0, 1);
    for (size_t i = 0; i < blanks; ++i)
        shown += "\xE2\x80\x87";
    return shown + text.substr(std::min(text.size(), 1 + blanks));
}

}  // namespace kavrin
