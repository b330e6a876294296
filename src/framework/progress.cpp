#include <algorithm>
#include <cstdarg>

#include "framework/text_format.h"
#include "framework/ui.h"

namespace kavrin {

namespace {

constexpr size_t PROGRESS_TEXT_BUFFER = 256;

// A bar never shows a position outside its range.
void moveBar(ProgressState& state, long long position) {
    long long low = std::min(state.rangeStart, state.rangeEnd);
    long long high = std::max(state.rangeStart, state.rangeEnd);
    state.position = static_cast<int>(std::clamp(position, low, high));
}

void setText(ProgressState& state, const char* format, va_list args) {
    if (format) state.text = formatLimited(PROGRESS_TEXT_BUFFER, format, args);
}

void repaint(Ui& ui) {
    if (ui.port.progressShow) ui.port.progressShow(ui.progress);
}

}  // namespace

void progressBegin(Ui& ui, const char* caption, int rangeStart, int rangeEnd, int step,
                   const char* format, ...) {
    ProgressState& state = ui.progress;
    if (!state.made) {
        if (ui.port.progressCreate && !ui.port.progressCreate()) {
            showMessage(ui, MessageStyle::ErrorOk, "Kavrin Internal Error",
                        "Unable to load progress dialog!");
            return;
        }
        state.made = true;
    }
    state.caption = caption;
    va_list args;
    va_start(args, format);
    setText(state, format, args);
    va_end(args);
    state.rangeStart = rangeStart;
    state.rangeEnd = rangeEnd;
    state.step = step;
    state.position = rangeStart;
    state.visible = true;
    repaint(ui);
}

void progressStep(Ui& ui, const char* format, ...) {
    ProgressState& state = ui.progress;
    if (!state.made) return;
    va_list args;
    va_start(args, format);
    setText(state, format, args);
    va_end(args);
    moveBar(state, static_cast<long long>(state.position) + state.step);
    repaint(ui);
}

void progressSet(Ui& ui, int position, const char* format, ...) {
    ProgressState& state = ui.progress;
    if (!state.made) return;
    va_list args;
    va_start(args, format);
    setText(state, format, args);
    va_end(args);
    if (position > 0) moveBar(state, position);
    if (position < 0) moveBar(state, static_cast<long long>(state.position) - position);
    repaint(ui);
}

void progressMark(Ui& ui, const char* format, ...) {
    ProgressState& state = ui.progress;
    if (!state.made) return;
    state.base = state.position;
    va_list args;
    va_start(args, format);
    setText(state, format, args);
    va_end(args);
    repaint(ui);
}

void progressSub(Ui& ui, int offset, const char* format, ...) {
    ProgressState& state = ui.progress;
    if (!state.made) return;
    va_list args;
    va_start(args, format);
    setText(state, format, args);
    va_end(args);
    if (offset != 0) moveBar(state, static_cast<long long>(state.base) + offset);
    repaint(ui);
}

void progressEnd(Ui& ui) {
    ProgressState& state = ui.progress;
    if (!state.made) return;
    state.visible = false;
    if (ui.port.progressHide) ui.port.progressHide();
}

}  // namespace kavrin
