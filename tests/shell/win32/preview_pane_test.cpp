// The preview pane in a window of its own, on tut1: it draws what is selected, a drag turns the
// camera and the wheel brings it nearer, the play button plays an animation on the pane's timer.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "shell/win32/preview/preview_pane.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

struct Win32PreviewPane : test::RealSession {
    const ObjectEntry* selected = nullptr;
    HWND host = nullptr;
    HWND pane = nullptr;

    void SetUp() override {
        RealSession::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ReferenceSource* tut1 = loadShipped("tut1");
        ASSERT_NE(tut1, nullptr);
        source = tut1;
        host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                               0, 0, 400, 500, nullptr, nullptr, nullptr, nullptr);
        pane = win32::createPreviewPane(host, GetModuleHandleA(nullptr), 100,
                                        [this] { return selected; });
        ASSERT_NE(pane, nullptr);
        MoveWindow(pane, 0, 0, win32::previewPaneWidth(pane), 400, TRUE);
    }
    void TearDown() override { DestroyWindow(host); }

    void select(const ObjectEntry& entry) {
        selected = &entry;
        win32::followSelection(pane);
    }
    HWND child(const char* windowClass) {
        return FindWindowExA(pane, nullptr, windowClass, nullptr);
    }
    void pumpMessages() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    // How many pixels of the top half of the pane, as the screen shows it, differ from its corner.
    int drawnPixels() {
        UpdateWindow(pane);
        const int width = 256, height = 160;
        HDC screen = GetDC(pane);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                        {}};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        const auto* pixels = static_cast<const uint32_t*>(bits);
        int drawn = 0;
        for (int i = 0; i < width * height; ++i)
            drawn += (pixels[i] & 0xffffff) != (pixels[0] & 0xffffff);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(pane, screen);
        return drawn;
    }

    ReferenceSource* source = nullptr;
};

TEST_F(Win32PreviewPane, ShowsTheSelectionAtOnceAndPlaysItsAnimationsOnTheTimer) {
    EXPECT_EQ(drawnPixels(), 0);
    select(source->entries[0]);  // LARA
    EXPECT_GT(drawnPixels(), 1000);
    EXPECT_EQ(SendMessageA(child("COMBOBOX"), CB_GETCOUNT, 0, 0), 445);

    SendMessageA(child("BUTTON"), BM_CLICK, 0, 0);
    for (DWORD start = GetTickCount();
         win32::previewState(pane).frame < 2.0 && GetTickCount() - start < 5000;) {
        pumpMessages();
        Sleep(10);
    }
    EXPECT_GE(win32::previewState(pane).frame, 2.0);
    char label[64];
    GetWindowTextA(child("STATIC"), label, sizeof(label));
    EXPECT_EQ(std::string(label), preview::frameLabel(win32::previewState(pane)));

    select(source->entries[121]);  // a static mesh: drawn, nothing to play
    EXPECT_GT(drawnPixels(), 100);
    EXPECT_FALSE(IsWindowEnabled(child("BUTTON")));
    select(source->rootEntry);
    EXPECT_EQ(drawnPixels(), 0);
}

TEST_F(Win32PreviewPane, ADragOrbitsTheCameraAndTheWheelZooms) {
    select(source->entries[0]);
    const preview::ObjectPreview before = win32::previewState(pane);
    SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
    SendMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 70));
    SendMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(90, 70));
    EXPECT_NE(win32::previewState(pane).yaw, before.yaw);
    EXPECT_GT(win32::previewState(pane).pitch, before.pitch);
    SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, 2 * WHEEL_DELTA), 0);
    EXPECT_GT(win32::previewState(pane).zoom, 1.2);
}

}  // namespace
}  // namespace kavrin
