#include "shell/win32/status_strip.h"

#include <commctrl.h>

#include "editing/session.h"
#include "save/set_budget.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/resource_ids.h"

namespace kavrin::win32 {

namespace {

constexpr UINT_PTR BUDGET_TIMER = 1;

}  // namespace

HWND StatusStrip::create(HWND parent, HINSTANCE instance) {
    strip_ =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                        0, parent, reinterpret_cast<HMENU>(ID_STATUS_STRIP), instance, nullptr);
    if (strip_) SendMessageW(strip_, SB_SIMPLE, TRUE, 0);
    return strip_;
}

void StatusStrip::budgetDue() {
    // A timer of the same id starts again, so a run of changes is counted once.
    SetTimer(GetParent(strip_), BUDGET_TIMER, 1, nullptr);
}

bool StatusStrip::timerElapsed(UINT_PTR timer) {
    if (timer != BUDGET_TIMER) return false;
    KillTimer(GetParent(strip_), BUDGET_TIMER);
    // A long operation may let timers through while it changes the slots: count once it is done.
    if (session_.ui.progress.visible) {
        SetTimer(GetParent(strip_), BUDGET_TIMER, 100, nullptr);
    } else {
        showBudget();
    }
    return true;
}

void StatusStrip::showBudget() {
    std::wstring text = widen(budgetText(measureSet(session_)));
    SendMessageW(strip_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace kavrin::win32
