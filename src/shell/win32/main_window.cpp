#include "shell/win32/main_window.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "editing/categories.h"
#include "editing/context_menus.h"
#include "editing/edited_wad_commands.h"
#include "editing/reference_commands.h"
#include "editing/rows.h"
#include "editing/session.h"
#include "editing/wad_commands.h"
#include "shell/win32/dialogs/combo_boxes.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/preview/preview_pane.h"
#include "shell/win32/resource_ids.h"

namespace kavrin::win32 {

namespace {

MainWindow* stateOf(HWND window) {
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

SIZE textExtent(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
}

HWND makeChild(MainWindow& main, const wchar_t* type, const std::wstring& text, DWORD style, int id,
               SIZE size) {
    HWND child = CreateWindowExW(
        0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, size.cx, size.cy, main.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), main.instance, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(main.font), FALSE);
    return child;
}

HWND makeCaption(MainWindow& main, const wchar_t* text) {
    return makeChild(main, L"STATIC", text, SS_LEFT | SS_NOPREFIX, 0,
                     textExtent(main.window, main.font, text));
}

void makeControls(MainWindow& main) {
    main.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    main.tree.create(main.window, main.instance, main.font);
    main.list.create(main.window, main.instance, main.font);

    SIZE button = textExtent(main.window, main.font, L"Replace >>");
    button.cx += 30;
    button.cy += 10;
    const wchar_t* labels[] = {L"Add >>", L"Replace >>", L"Delete >>"};
    for (int i = 0; i < 3; ++i) {
        main.buttons[i] =
            makeChild(main, L"BUTTON", labels[i], WS_TABSTOP | BS_PUSHBUTTON, ID_ADD + i, button);
    }
    main.treeCaption = makeCaption(main, L"Reference Objects");
    main.categoryCaption = makeCaption(main, L"Display Objects of Type");

    int widest = 0;
    for (const char* name : CATEGORY_NAMES)
        widest =
            std::max(widest, static_cast<int>(textExtent(main.window, main.font, widen(name)).cx));
    // Created with room for one entry; the list is fitted to every entry when it drops down.
    main.categories = makeChild(main, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                ID_CATEGORY_BOX, {widest + 50, 1});
    fillComboBox(main.categories, CATEGORY_NAMES, ALL_OBJECTS);

    main.filter = createFilterField(main);
    main.status.create(main.window, main.instance);

    // At the right, and the window widened by as much.
    main.preview = createPreviewPane(main.window, main.instance, ID_PREVIEW_PANE, [&main] {
        if (!main.previewFromList) return main.session.selectedEntry;
        std::optional<uint32_t> slot = selectedSlot(main.session.edited);
        return slot ? main.session.edited.slotTable[*slot] : nullptr;
    });
    if (main.preview) {
        int width = previewPaneWidth(main.preview);
        SetWindowPos(main.preview, nullptr, 0, 0, width, width, SWP_NOMOVE | SWP_NOZORDER);
        RECT frame{};
        GetWindowRect(main.window, &frame);
        SetWindowPos(main.window, nullptr, 0, 0, frame.right - frame.left + width + 5,
                     frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    }
}

// The editing core's changes, shown in the controls.
void showCoreChanges(MainWindow& main) {
    ViewPort& view = main.session.view;
    view.referenceAdded = [&main](ReferenceSource& source, size_t position) {
        main.tree.addSource(source, position);
        main.status.budgetDue();  // every set carries some sounds from the sources
    };
    view.entrySelected = [&main](const ObjectEntry& entry) {
        if (main.tree.select(entry)) return;
        // The filter hides it: show everything again.
        SetWindowTextW(main.filter, L"");
        main.tree.setFilter("");
        main.tree.select(entry);
    };
    // A command may fill or empty the selected row's slot without changing the selection.
    view.rowChanged = [&main](size_t row) {
        main.list.rowChanged(row);
        enableSaveCommands(main);
        followPreview(main, main.previewFromList);
    };
    view.rowsRebuilt = [&main] {
        main.list.rebuild();
        enableSaveCommands(main);
        followPreview(main, main.previewFromList);
    };
    view.rowSelected = [&main](size_t row) {
        main.list.selectRow(static_cast<int>(row));
        followPreview(main, true);
    };
    view.redraw = [&main](bool on) {
        main.list.setRedraw(on);
        if (on) enableSaveCommands(main);
    };
    view.titleChanged = [&main](const std::string& title) {
        SetWindowTextW(main.window, widen(title).c_str());
    };
    view.editedWadChanged = [&main] { main.status.budgetDue(); };
}

void create(MainWindow& main) {
    main.menu = GetMenu(main.window);
    makeControls(main);
    SetWindowTextW(main.window, widen(windowTitle(main.session)).c_str());
    SendMessageW(main.window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(main.instance, MAKEINTRESOURCEW(IDI_PROGRAM))));
    setUpMenuBar(main);
    showCoreChanges(main);
    DragAcceptFiles(main.window, TRUE);
    main.status.showBudget();
}

void command(MainWindow& main, int id, int code) {
    Session& session = main.session;
    switch (id) {
        case ID_ADD:
        case ID_REPLACE:
        case ID_DELETE:
            if (code != BN_CLICKED) return;
            if (id == ID_ADD) return add(session);
            if (id == ID_REPLACE) return replace(session);
            return deleteObject(session);
        case ID_CATEGORY_BOX:
            if (code == CBN_DROPDOWN) fitComboDropDown(main.categories, -1);
            if (code == CBN_SELCHANGE) {
                auto category = SendMessageW(main.categories, CB_GETCURSEL, 0, 0);
                if (category >= 0) setCategoryFilter(session, static_cast<uint32_t>(category));
            }
            return;
        case ID_FILTER_FIELD:
            if (code == EN_CHANGE) main.tree.setFilter(windowText(main.filter));
            return;
        default:
            if (code == 0 || code == 1) runCommand(main, id);  // a menu item or an accelerator
    }
}

LRESULT treeNotification(MainWindow& main, NMHDR& header) {
    Session& session = main.session;
    switch (header.code) {
        case TVN_SELCHANGEDW:
            main.tree.selectionChanged(reinterpret_cast<NMTREEVIEWW&>(header));
            followPreview(main, false);
            return 0;
        case TVN_ITEMEXPANDEDW:
            main.tree.expansionChanged(reinterpret_cast<NMTREEVIEWW&>(header));
            return 0;
        case TVN_KEYDOWN:
            if (reinterpret_cast<NMTVKEYDOWN&>(header).wVKey != VK_RETURN) return 0;
            activateTreeItem(session, false);
            return 1;
        case NM_DBLCLK:
            if (main.tree.itemAt(cursorPosition())) activateTreeItem(session, true);
            return 0;
        case TVN_BEGINDRAGW: {
            // The dragged item becomes the selected one, as a click on it would make it.
            HTREEITEM item = reinterpret_cast<NMTREEVIEWW&>(header).itemNew.hItem;
            TreeView_SelectItem(main.tree.handle(), item);
            if (const ObjectEntry* entry = main.tree.entryOf(item)) startEntryDrag(main, *entry);
            return 0;
        }
        case NM_RCLICK: {
            POINT at = cursorPosition();
            HTREEITEM item = main.tree.itemAt(at);
            if (item) TreeView_SelectItem(main.tree.handle(), item);
            showContextMenu(main, treeContextMenu(session, item != nullptr), at);
            return 1;
        }
    }
    return 0;
}

LRESULT listNotification(MainWindow& main, NMHDR& header) {
    Session& session = main.session;
    switch (header.code) {
        case LVN_GETDISPINFOW:
            main.list.fillDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
            return 0;
        case LVN_ITEMCHANGED:
            if (reinterpret_cast<NMLISTVIEW&>(header).uChanged & LVIF_STATE &&
                main.list.selectionChanged()) {
                followPreview(main, true);
            }
            return 0;
        case LVN_COLUMNCLICK:
            sortByColumn(session, reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
            return 0;
        case LVN_KEYDOWN:
            if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_DELETE) deleteObject(session);
            return 0;
        case NM_RCLICK: {
            POINT at = cursorPosition();
            int row = main.list.rowAt(at);
            if (row < 0) return 0;
            main.list.selectRow(row);
            session.edited.selectedRow = row;
            showContextMenu(main, listContextMenu(session), at);
            return 0;
        }
    }
    return 0;
}

bool closeAllowed(MainWindow& main) {
    // The progress window lets the window system's requests through while a long operation
    // runs; closing then would pull the edited WAD from under it.
    return !main.session.ui.progress.visible && askSaveChanges(main.session);
}

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* main =
            new MainWindow(*static_cast<Session*>(create->lpCreateParams), create->hInstance);
        main->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(main));
    }
    MainWindow* main = stateOf(window);
    if (!main) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            create(*main);
            return 0;
        case WM_SIZE:
            layOut(*main);
            SendMessageW(main->status.handle(), WM_SIZE, wParam, lParam);
            return 0;
        case WM_GETMINMAXINFO:
            if (main->status.handle())
                limitWindowSize(*main, *reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            enableSaveCommands(*main);
            return 0;
        case WM_COMMAND:
            command(*main, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.hwndFrom == main->tree.handle()) return treeNotification(*main, header);
            if (header.hwndFrom == main->list.handle()) return listNotification(*main, header);
            return 0;
        }
        case WM_SETCURSOR:
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (entryDragMouse(*main, message) || splitterMouse(*main, message, lParam))
                return TRUE;
            break;
        case WM_CONTEXTMENU:
            // From the keyboard; a click has had its menu through the control's notification.
            if (lParam == -1) showKeyboardContextMenu(*main, reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            // The captions stand on the window's own grey.
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
        case WM_TIMER:
            if (main->status.timerElapsed(wParam)) return 0;
            break;
        case WM_DROPFILES:
            dropFiles(*main, reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_CLOSE:
            if (closeAllowed(*main)) DestroyWindow(window);
            return 0;
        case WM_QUERYENDSESSION:
            return closeAllowed(*main);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            main->session.view = {};
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete main;
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void followPreview(MainWindow& main, bool fromList) {
    main.previewFromList = fromList;
    if (main.preview) followSelection(main.preview);
}

POINT cursorPosition() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = MAIN_WINDOW_CLASS;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND createMainWindow(Session& session, HINSTANCE instance) {
    return CreateWindowExW(0, MAIN_WINDOW_CLASS, L"Kavrin", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 800, 500, nullptr, nullptr, instance, &session);
}

}  // namespace kavrin::win32
