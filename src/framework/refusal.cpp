#include "framework/refusal.h"

#include <cstdarg>

#include "framework/text_format.h"

namespace kavrin {

bool refuseFile(Ui& ui, const std::string& path, const char* problemFormat, ...) {
    va_list args;
    va_start(args, problemFormat);
    std::string problem = formatV(problemFormat, args);
    va_end(args);
    showMessage(ui, MessageStyle::ErrorOk, "Kavrin", "%s cannot be read:\n%s", path.c_str(),
                problem.c_str());
    return false;
}

}  // namespace kavrin
