// The preview pane in a window of its own, on tut1: it draws what is selected, the play button
// plays an animation on the pane's timer, a drag turns the camera and the wheel brings it nearer.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/win32/preview/preview_pane.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

struct Win32PreviewPane : test::RealSession {
    const ObjectEntry* selected = nullptr;
    HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400,
                                500, nullptr, nullptr, nullptr, nullptr);
    HWND pane =
        win32::createPreviewPane(host, GetModuleHandleA(nullptr), 100, [this] { return selected; });

    ~Win32PreviewPane() override { DestroyWindow(host); }
    const preview::ObjectPreview& state() const { return win32::previewState(pane); }
    HWND child(const char* windowClass) const {
        return FindWindowExA(pane, nullptr, windowClass, nullptr);
    }
    void select(const ObjectEntry& entry) {
        selected = &entry;
        win32::followSelection(pane);
        UpdateWindow(pane);
    }
    // How many of every fourth pixel of the picture's top, as the screen shows it, are not ground.
    int drawnPixels() const {
        HDC dc = GetDC(pane);
        int drawn = 0;
        for (int y = 0; y < 240; y += 2) {
            for (int x = 0; x < 256; x += 2)
                drawn += GetPixel(dc, x, y) != GetPixel(dc, 0, 0);
        }
        ReleaseDC(pane, dc);
        return drawn;
    }
};

TEST_F(Win32PreviewPane, ShowsTheSelectionPlaysItsAnimationsAndOrbitsOnADrag) {
    ReferenceSource* tut1 = loadShipped("tut1");
    ASSERT_TRUE(tut1 && pane);
    MoveWindow(pane, 0, 0, win32::previewPaneWidth(pane), 400, TRUE);
    select(tut1->entries[0]);  // LARA
    EXPECT_GT(drawnPixels(), 500);
    EXPECT_EQ(SendMessageA(child("COMBOBOX"), CB_GETCOUNT, 0, 0), 445);

    SendMessageA(child("BUTTON"), BM_CLICK, 0, 0);
    MSG message;
    for (DWORD start = GetTickCount(); state().frame < 2.0 && GetTickCount() - start < 5000;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            Sleep(5);
        else
            DispatchMessageA(&message);
    }
    EXPECT_GE(state().frame, 2.0);
    char label[32] = {};
    GetWindowTextA(child("STATIC"), label, sizeof(label));
    EXPECT_EQ(label, preview::frameLabel(state()));

    const double yaw = state().yaw, pitch = state().pitch;
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 70));
    SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(90, 70));
    EXPECT_NE(state().yaw, yaw);
    EXPECT_GT(state().pitch, pitch);
    SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0);
    EXPECT_GT(state().zoom, 1.2);

    select(tut1->entries[121]);  // a static mesh: drawn, nothing to play
    EXPECT_GT(drawnPixels(), 500);
    EXPECT_FALSE(IsWindowEnabled(child("BUTTON")));
    select(tut1->rootEntry);
    EXPECT_EQ(drawnPixels(), 0);
}

}  // namespace
}  // namespace kavrin
