#include "shell/win32/preview/preview_pane.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "shell/win32/dialogs/combo_boxes.h"
#include "shell/win32/preview/canvas_bitmap.h"

namespace kavrin::win32 {

namespace {

constexpr char PANE_CLASS[] = "KavrinPreviewPane";
constexpr int ANIMATIONS_ID = 1;
constexpr int PLAY_ID = 2;
constexpr UINT_PTR PLAY_TIMER = 1;
// Sizes in pixels at 96 dots per inch.
constexpr int GAP = 4;
constexpr int PLAY_WIDTH = 75;
constexpr int DROP_DOWN_HEIGHT = 300;

struct Pane {
    std::function<const ObjectEntry*()> selected;
    preview::ObjectPreview preview;
    HWND window = nullptr;
    HWND animations = nullptr;  // combo box
    HWND play = nullptr;        // button
    HWND frame = nullptr;       // label
    HFONT font = nullptr;
    int dpi = 96;
    int rowHeight = 0;   // of the closed combo box, which the button shares
    int textHeight = 0;  // of a line of the label
    bool playing = false;
    ULONGLONG playedAt = 0;  // when the frame last moved on, in milliseconds
    POINT dragFrom{};
    int wheelRest = 0;  // what a fine-grained wheel turned short of a notch
};

Pane* paneOf(HWND window) {
    return reinterpret_cast<Pane*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int scaled(const Pane& pane, int pixels) {
    return MulDiv(pixels, pane.dpi, 96);
}

int width(const RECT& r) {
    return r.right - r.left;
}
int height(const RECT& r) {
    return r.bottom - r.top;
}

// From the bottom up: the frame label, the animation box and the play button, and the picture
// taking all the room above them.
struct Layout {
    RECT canvas, animations, play, frame;
};

Layout layoutOf(const Pane& pane) {
    RECT client;
    GetClientRect(pane.window, &client);
    const int gap = scaled(pane, GAP);
    Layout layout;
    layout.frame = {gap, client.bottom - gap - pane.textHeight, client.right - gap,
                    client.bottom - gap};
    const int rowTop = layout.frame.top - gap - pane.rowHeight;
    const int playLeft = client.right - gap - scaled(pane, PLAY_WIDTH);
    layout.play = {playLeft, rowTop, client.right - gap, rowTop + pane.rowHeight};
    layout.animations = {gap, rowTop, playLeft - gap, rowTop + pane.rowHeight};
    layout.canvas = {0, 0, client.right, std::max(0, rowTop - gap)};
    return layout;
}

void layOut(const Pane& pane) {
    const Layout layout = layoutOf(pane);
    auto place = [](HWND control, const RECT& r, int extraHeight) {
        MoveWindow(control, r.left, r.top, std::max(width(r), 0), height(r) + extraHeight, TRUE);
    };
    place(pane.animations, layout.animations, scaled(pane, DROP_DOWN_HEIGHT));
    place(pane.play, layout.play, 0);
    place(pane.frame, layout.frame, 0);
}

void redrawCanvas(const Pane& pane) {
    const RECT canvas = layoutOf(pane).canvas;
    InvalidateRect(pane.window, &canvas, FALSE);
}

void showFrame(const Pane& pane) {
    SetWindowTextA(pane.frame, preview::frameLabel(pane.preview).c_str());
    redrawCanvas(pane);
}

void setPlaying(Pane& pane, bool playing) {
    pane.playing = playing;
    if (playing) {
        pane.playedAt = GetTickCount64();
        SetTimer(pane.window, PLAY_TIMER, 1000 / preview::FRAMES_PER_SECOND, nullptr);
    } else {
        KillTimer(pane.window, PLAY_TIMER);
    }
    SetWindowTextA(pane.play, preview::playButtonText(playing));
}

// Takes up the selected entry when it is another than the one shown; false when it is not.
bool takeSelection(Pane& pane) {
    if (!preview::followEntry(pane.preview, pane.selected())) return false;
    setPlaying(pane, false);
    const std::vector<std::string> names = preview::animationNames(pane.preview);
    std::vector<const char*> items;
    for (const std::string& name : names)
        items.push_back(name.c_str());
    fillComboBox(pane.animations, items, names.empty() ? -1 : 0);
    EnableWindow(pane.animations, !names.empty());
    EnableWindow(pane.play, !names.empty());
    return true;
}

// Windows' timers tick only roughly when asked: the frame moves on by the time that passed, so
// animations play at the game's rate.
void playOn(Pane& pane) {
    // An entry that went away is not played on: the pane shows what is selected now.
    if (takeSelection(pane)) {
        showFrame(pane);
        return;
    }
    const ULONGLONG now = GetTickCount64();
    preview::advanceFrames(pane.preview, static_cast<double>(now - pane.playedAt) *
                                             preview::FRAMES_PER_SECOND / 1000.0);
    pane.playedAt = now;
    showFrame(pane);
}

void paint(Pane& pane) {
    // The selection may have changed, or its entry gone away, since the pane last drew.
    if (takeSelection(pane)) showFrame(pane);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pane.window, &paint);
    const RECT canvas = layoutOf(pane).canvas;
    if (width(canvas) > 0 && height(canvas) > 0) {
        paintPicture(dc, canvas.left, canvas.top,
                     preview::renderPreview(pane.preview, width(canvas), height(canvas)));
    }
    EndPaint(pane.window, &paint);
}

// Everything but the picture, which covers its own part: the controls' ground.
void eraseAround(const Pane& pane, HDC dc) {
    RECT client;
    GetClientRect(pane.window, &client);
    const RECT canvas = layoutOf(pane).canvas;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, canvas.left, canvas.top, canvas.right, canvas.bottom);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
}

void command(Pane& pane, int id, int code) {
    if (id == ANIMATIONS_ID && code == CBN_SELCHANGE) {
        if (takeSelection(pane)) {
            showFrame(pane);
            return;
        }
        const LRESULT chosen = SendMessageA(pane.animations, CB_GETCURSEL, 0, 0);
        if (chosen < 0) return;
        preview::chooseAnimation(pane.preview, static_cast<uint32_t>(chosen));
        showFrame(pane);
    } else if (id == PLAY_ID && code == BN_CLICKED) {
        setPlaying(pane, !pane.playing);
    }
}

void startDrag(Pane& pane, POINT at) {
    const RECT canvas = layoutOf(pane).canvas;
    if (!PtInRect(&canvas, at)) return;
    SetFocus(pane.window);  // the wheel turns in the window with the focus
    SetCapture(pane.window);
    pane.dragFrom = at;
}

void drag(Pane& pane, POINT at) {
    if (GetCapture() != pane.window) return;
    const RECT canvas = layoutOf(pane).canvas;
    preview::orbit(pane.preview, at.x - pane.dragFrom.x, at.y - pane.dragFrom.y,
                   std::min(width(canvas), height(canvas)));
    pane.dragFrom = at;
    redrawCanvas(pane);
}

void turnWheel(Pane& pane, int delta) {
    pane.wheelRest += delta;
    const int notches = pane.wheelRest / preview::WHEEL_NOTCH;
    pane.wheelRest -= notches * preview::WHEEL_NOTCH;
    if (notches == 0) return;
    preview::zoom(pane.preview, notches);
    redrawCanvas(pane);
}

LRESULT CALLBACK paneProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Pane* pane = paneOf(window);
    if (!pane) return DefWindowProcA(window, message, wParam, lParam);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_SIZE:
            layOut(*pane);
            return 0;
        case WM_ERASEBKGND:
            eraseAround(*pane, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            paint(*pane);
            return 0;
        case WM_COMMAND:
            command(*pane, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == PLAY_TIMER) playOn(*pane);
            return 0;
        case WM_LBUTTONDOWN:
            startDrag(*pane, at);
            return 0;
        case WM_MOUSEMOVE:
            if (wParam & MK_LBUTTON) drag(*pane, at);
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == window) ReleaseCapture();
            return 0;
        case WM_MOUSEWHEEL:
            turnWheel(*pane, GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_NCDESTROY:
            KillTimer(window, PLAY_TIMER);
            DeleteObject(pane->font);
            delete pane;
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerPaneClass(HINSTANCE instance) {
    WNDCLASSEXA paneClass{};
    paneClass.cbSize = sizeof(paneClass);
    paneClass.style = CS_HREDRAW | CS_VREDRAW;  // the picture fills the pane: redrawn when sized
    paneClass.lpfnWndProc = paneProcedure;
    paneClass.hInstance = instance;
    paneClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    paneClass.lpszClassName = PANE_CLASS;
    return RegisterClassExA(&paneClass) != 0;
}

HWND makeControl(const Pane& pane, const char* windowClass, const char* text, DWORD style, int id) {
    HWND control = CreateWindowExA(
        0, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, pane.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(pane.window, GWLP_HINSTANCE)), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(pane.font), FALSE);
    return control;
}

// The controls in the font of the system's message boxes, sized by it.
void makeControls(Pane& pane) {
    HDC screen = GetDC(nullptr);
    pane.dpi = GetDeviceCaps(screen, LOGPIXELSY);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    pane.font = CreateFontIndirectA(&metrics.lfMessageFont);
    const HGDIOBJ previous = SelectObject(screen, pane.font);
    TEXTMETRICA text{};
    GetTextMetricsA(screen, &text);
    pane.textHeight = text.tmHeight;
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);

    pane.animations = makeControl(pane, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                  ANIMATIONS_ID);
    pane.play = makeControl(pane, "BUTTON", preview::playButtonText(false),
                            WS_TABSTOP | BS_PUSHBUTTON, PLAY_ID);
    pane.frame = makeControl(pane, "STATIC", "", SS_LEFT | SS_NOPREFIX, 0);
    EnableWindow(pane.animations, FALSE);
    EnableWindow(pane.play, FALSE);
    RECT closed;  // the combo box sets its own height from its font
    MoveWindow(pane.animations, 0, 0, scaled(pane, PLAY_WIDTH), scaled(pane, DROP_DOWN_HEIGHT),
               FALSE);
    GetWindowRect(pane.animations, &closed);
    pane.rowHeight = height(closed);
}

}  // namespace

HWND createPreviewPane(HWND parent, HINSTANCE instance, int id,
                       std::function<const ObjectEntry*()> selected) {
    static const bool registered = registerPaneClass(instance);
    if (!registered) return nullptr;
    HWND window = CreateWindowExA(
        WS_EX_CONTROLPARENT, PANE_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!window) return nullptr;
    // The window owns its state from here on, and frees it when it is destroyed.
    auto pane = std::make_unique<Pane>();
    pane->selected = std::move(selected);
    pane->window = window;
    makeControls(*pane);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pane.release()));
    followSelection(window);
    return window;
}

void followSelection(HWND pane) {
    Pane* state = paneOf(pane);
    if (!state) return;
    takeSelection(*state);
    showFrame(*state);
}

int previewPaneWidth(HWND pane) {
    const Pane* state = paneOf(pane);
    return state ? scaled(*state, preview::PREVIEW_SIDE) : preview::PREVIEW_SIDE;
}

const preview::ObjectPreview& previewState(HWND pane) {
    return paneOf(pane)->preview;
}

}  // namespace kavrin::win32
