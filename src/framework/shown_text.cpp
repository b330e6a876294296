#include "framework/shown_text.h"

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

}  // namespace kavrin
