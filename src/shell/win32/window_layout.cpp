// Where the main window's controls go: the core's arithmetic, fed with the controls' sizes.
#include <windows.h>

#include <windowsx.h>

#include "editing/main_window_layout.h"
#include "shell/win32/main_window.h"

namespace kavrin::win32 {

namespace {

constexpr int PREVIEW_GAP = 5;

SIZE sizeOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int previewRoom(const MainWindow& main) {
    return main.preview ? sizeOf(main.preview).cx + PREVIEW_GAP : 0;
}

// The sizes the layout needs; the client width leaves out the preview pane at the right.
MainWindowSizes measure(const MainWindow& main) {
    RECT client{};
    GetClientRect(main.window, &client);
    MainWindowSizes sizes;
    sizes.clientWidth = client.right - previewRoom(main);
    sizes.clientHeight = client.bottom;
    sizes.statusHeight = sizeOf(main.status.handle()).cy;
    sizes.treeWidth = main.treeWidth;
    sizes.filterHeight = sizeOf(main.filter).cy;
    sizes.buttonWidth = sizeOf(main.buttons[0]).cx;
    sizes.buttonHeight = sizeOf(main.buttons[0]).cy;
    sizes.treeCaptionWidth = sizeOf(main.treeCaption).cx;
    sizes.treeCaptionHeight = sizeOf(main.treeCaption).cy;
    sizes.categoryCaptionWidth = sizeOf(main.categoryCaption).cx;
    sizes.categoryBoxWidth = sizeOf(main.categories).cx;
    sizes.categoryBoxHeight = sizeOf(main.categories).cy;  // closed: the list is not counted
    return sizes;
}

void place(HWND control, ControlPosition at) {
    SetWindowPos(control, nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void fit(HWND control, ControlRect at) {
    SetWindowPos(control, nullptr, at.x, at.y, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

bool overSplitter(const MainWindow& main, POINT at) {
    ControlRect bar = layOutMainWindow(measure(main)).splitter;
    return at.x >= bar.x && at.x < bar.x + bar.width && at.y >= bar.y && at.y < bar.y + bar.height;
}

}  // namespace

void layOut(MainWindow& main) {
    if (!main.status.handle()) return;  // the first size message comes before the controls
    MainWindowSizes sizes = measure(main);
    MainWindowLayout layout = layOutMainWindow(sizes);
    place(main.treeCaption, layout.treeCaption);
    fit(main.filter, layout.filterField);
    fit(main.tree.handle(), layout.tree);
    for (int i = 0; i < 3; ++i) {
        place(main.buttons[i], i == 0   ? layout.addButton
                               : i == 1 ? layout.replaceButton
                                        : layout.deleteButton);
    }
    place(main.categoryCaption, layout.categoryCaption);
    place(main.categories, layout.categoryBox);
    fit(main.list.handle(), layout.editedList);
    if (main.preview) {
        int width = sizeOf(main.preview).cx;
        fit(main.preview,
            {sizes.clientWidth, layout.editedList.y, width, layout.editedList.height});
    }
    // The places the controls left show the window's grey again.
    RedrawWindow(main.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool splitterMouse(MainWindow& main, UINT message, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_SETCURSOR: {
            POINT cursor = cursorPosition();
            ScreenToClient(main.window, &cursor);
            if (!main.splitterDrag && !overSplitter(main, cursor)) return false;
            SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZEWE)));
            return true;
        }
        case WM_LBUTTONDOWN:
            if (!overSplitter(main, at)) return false;
            main.splitterDrag = at;
            main.treeWidthAtDrag = main.treeWidth;
            SetCapture(main.window);
            return true;
        case WM_MOUSEMOVE:
            if (!main.splitterDrag) return false;
            // Kept within the window, so that a drag past a limit turns back at once.
            main.treeWidth =
                fitTreeWidth(measure(main), main.treeWidthAtDrag + at.x - main.splitterDrag->x);
            layOut(main);
            return true;
        case WM_LBUTTONUP:
            if (!main.splitterDrag) return false;
            ReleaseCapture();
            return true;
        case WM_CAPTURECHANGED:
            if (!main.splitterDrag) return false;
            main.splitterDrag.reset();
            return true;
    }
    return false;
}

void limitWindowSize(MainWindow& main, MINMAXINFO& limits) {
    ClientSize least = minimumClientSize(measure(main));
    RECT frame{0, 0, least.width + previewRoom(main), least.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(main.window, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongPtrW(main.window, GWL_EXSTYLE)));
    limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace kavrin::win32
