#include "shell/win32/dialogs/message_box.h"

#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

UINT typeOf(MessageStyle style) {
    switch (style) {
        case MessageStyle::WarningOk:
            return MB_ICONWARNING | MB_OK;
        case MessageStyle::InformationOk:
            return MB_ICONINFORMATION | MB_OK;
        case MessageStyle::QuestionYesNo:
            return MB_ICONQUESTION | MB_YESNO;
        case MessageStyle::QuestionYesNoCancel:
            return MB_ICONQUESTION | MB_YESNOCANCEL;
        case MessageStyle::WarningYesNoCancel:
            return MB_ICONWARNING | MB_YESNOCANCEL;
        case MessageStyle::ErrorOk:
            break;
    }
    return MB_ICONERROR | MB_OK;
}

Button buttonOf(int answer) {
    switch (answer) {
        case IDYES:
            return Button::Yes;
        case IDNO:
            return Button::No;
        case IDCANCEL:
            return Button::Cancel;
        default:
            return Button::Ok;
    }
}

}  // namespace

Button showMessageBox(HWND owner, MessageStyle style, const std::string& title,
                      const std::string& text) {
    UINT type = typeOf(style) | (owner ? 0 : MB_TASKMODAL);
    centreNextActivated();
    int answer = MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(), type);
    cancelCentring();
    if (answer != 0) return buttonOf(answer);
    // A box that could not be shown gives the safe answer, as if no one had been there to choose.
    if (style == MessageStyle::QuestionYesNo) return Button::No;
    if (style == MessageStyle::QuestionYesNoCancel || style == MessageStyle::WarningYesNoCancel) {
        return Button::Cancel;
    }
    return Button::Ok;
}

}  // namespace kavrin::win32
