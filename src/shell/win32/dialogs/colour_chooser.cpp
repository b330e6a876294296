#include "shell/win32/dialogs/colour_chooser.h"

#include <commdlg.h>

#include "shell/win32/dialogs/centring.h"
#include "shell/win32/dialogs/wide_text.h"

namespace kavrin::win32 {

namespace {

// Gives the chooser the caption the caller asked for.
UINT_PTR CALLBACK colourDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto& chooser = *reinterpret_cast<const CHOOSECOLORW*>(lParam);
        const auto* title = reinterpret_cast<const wchar_t*>(chooser.lCustData);
        if (title && *title) SetWindowTextW(dialog, title);
    }
    return 0;
}

}  // namespace

bool chooseColour(HWND owner, const std::string& title, Colour& colour,
                  std::array<Colour, 16>& customColours) {
    std::wstring caption = widen(title);
    std::array<COLORREF, 16> custom;
    for (size_t i = 0; i < custom.size(); ++i)
        custom[i] = customColours[i];
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = owner;
    chooser.rgbResult = colour;
    chooser.lpCustColors = custom.data();
    chooser.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK;
    chooser.lCustData = reinterpret_cast<LPARAM>(caption.c_str());
    chooser.lpfnHook = colourDialogHook;
    centreNextActivated();
    bool chosen = ChooseColorW(&chooser);
    cancelCentring();
    for (size_t i = 0; i < custom.size(); ++i)
        customColours[i] = custom[i];
    if (chosen) colour = chooser.rgbResult;
    return chosen;
}

void drawColourSwatch(const DRAWITEMSTRUCT& item, Colour colour) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    bool redrawn = item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT);
    if (redrawn) {
        InflateRect(&area, -1, -1);
        DrawFrameControl(dc, &area, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (item.itemState & ODS_SELECTED ? DFCS_PUSHED : 0));
        InflateRect(&area, -4, -4);
        Rectangle(dc, area.left, area.top, area.right, area.bottom);
        InflateRect(&area, -1, -1);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    // The focus rectangle sits between the frame and the colour; the frame paints over it, so a
    // redraw of a focused swatch draws it again, and a change of focus toggles it.
    if ((item.itemAction & ODA_FOCUS) || (redrawn && (item.itemState & ODS_FOCUS))) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace kavrin::win32
