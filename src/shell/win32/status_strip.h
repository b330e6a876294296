#include <windows.h>
// The status strip along the bottom: the figures the edited WAD's set would have if saved now,
// counted once after a run of changes rather than after each one.
#pragma once

namespace kavrin {
struct Session;
}

namespace kavrin::win32 {

class StatusStrip {
public:
    explicit StatusStrip(Session& session) : session_(session) {}

    HWND create(HWND parent, HINSTANCE instance);
    HWND handle() const { return strip_; }

    // The edited WAD changed: the figures are counted when the window next has nothing to do.
    void budgetDue();
    // The owner's WM_TIMER for the strip's timer; false for another timer.
    bool timerElapsed(UINT_PTR timer);
    void showBudget();

private:
    Session& session_;
    HWND strip_ = nullptr;
};

}  // namespace kavrin::win32
