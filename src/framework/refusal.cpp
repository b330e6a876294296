#include "framework/refusal.h"

#include <cstdarg>

#include "framework/shown_text.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

bool refuse(Ui& ui, const char* title, const std::string& path, const char* problemFormat,
            va_list args) {
    std::string problem = formatV(problemFormat, args);
    showMessage(ui, MessageStyle::ErrorOk, title, "%s cannot be read:\n%s", shownPath(path).c_str(),
                problem.c_str());
    return false;
}

}  // namespace

bool refuseFile(Ui& ui, const std::string& path, const char* problemFormat, ...) {
    va_list args;
    va_start(args, problemFormat);
    refuse(ui, "Kavrin", path, problemFormat, args);
    va_end(args);
    return false;
}

bool refuseFileTitled(Ui& ui, const char* title, const std::string& path, const char* problemFormat,
                      ...) {
    va_list args;
    va_start(args, problemFormat);
    refuse(ui, title, path, problemFormat, args);
    va_end(args);
    return false;
}

}  // namespace kavrin
