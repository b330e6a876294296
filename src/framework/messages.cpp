#include <cstdarg>

#include "framework/text_format.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

// The answer a box gives when nobody can be asked: never the one that goes ahead.
Button safeAnswer(MessageStyle style) {
    switch (style) {
        case MessageStyle::QuestionYesNo:
            return Button::No;
        case MessageStyle::QuestionYesNoCancel:
        case MessageStyle::WarningYesNoCancel:
            return Button::Cancel;
        default:
            return Button::Ok;
    }
}

constexpr size_t MESSAGE_BUFFER = 2080;

}  // namespace

Button showMessage(Ui& ui, MessageStyle style, const char* title, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatLimited(MESSAGE_BUFFER, format, args);
    va_end(args);
    if (!ui.port.message) return safeAnswer(style);
    return ui.port.message(style, title, text);
}

void beep(Ui& ui) {
    if (ui.port.beep) ui.port.beep();
}

}  // namespace kavrin
