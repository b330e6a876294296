// The main window: the reference tree with its filter field, the Add, Replace and Delete buttons,
// the edited list with its category box, the status strip and the menus, and the view through
// which the editing core shows its changes.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "editing/main_window_layout.h"
#include "shell/win32/edited_list.h"
#include "shell/win32/reference_tree.h"
#include "shell/win32/status_strip.h"

namespace kavrin {
struct ContextMenuItem;
struct ObjectEntry;
struct Session;
}  // namespace kavrin

namespace kavrin::win32 {

inline constexpr const wchar_t* MAIN_WINDOW_CLASS = L"Kavrin";

// Registers the window class; false when it cannot be registered.
bool registerMainWindowClass(HINSTANCE instance);

// Creates the main window over the session, whose catalogue is loaded. The window keeps its state
// until it is destroyed, and then lets the session's view go.
HWND createMainWindow(Session& session, HINSTANCE instance);

// The state of the one main window; the files of this folder each handle a part of it.
struct MainWindow {
    MainWindow(Session& session, HINSTANCE instance)
        : session(session), instance(instance), tree(session), list(session), status(session) {}

    Session& session;
    HINSTANCE instance;
    HWND window = nullptr;
    HMENU menu = nullptr;
    HFONT font = nullptr;

    HWND treeCaption = nullptr;
    HWND filter = nullptr;
    ReferenceTree tree;
    HWND buttons[3] = {};  // Add, Replace, Delete
    HWND categoryCaption = nullptr;
    HWND categories = nullptr;
    EditedList list;
    StatusStrip status;
    HWND preview = nullptr;
    bool previewFromList = false;  // the preview shows what was selected last: a row or an entry

    int treeWidth = DEFAULT_TREE_WIDTH;  // as the user dragged it
    std::optional<POINT> splitterDrag;   // where the drag of the splitter started
    int treeWidthAtDrag = 0;
    const ObjectEntry* draggedEntry = nullptr;  // a tree entry on its way to the list
};

// Where the mouse pointer is, on the screen.
POINT cursorPosition();

// The preview follows the selection of the tree (`fromList` false) or of the list.
void followPreview(MainWindow& main, bool fromList);

// window_layout.cpp: the controls placed for the client size; the splitter's drag; the least
// window size.
void layOut(MainWindow& main);
bool splitterMouse(MainWindow& main, UINT message, LPARAM lParam);
void limitWindowSize(MainWindow& main, MINMAXINFO& limits);

// menu_commands.cpp: the menu bar as the window opens, the commands and the greyed ones.
void setUpMenuBar(MainWindow& main);
void enableSaveCommands(MainWindow& main);
void runCommand(MainWindow& main, int command);

// drops.cpp: a tree entry dragged onto the edited list, files dropped from Explorer.
void startEntryDrag(MainWindow& main, const ObjectEntry& entry);
bool entryDragMouse(MainWindow& main, UINT message);
void dropFiles(MainWindow& main, HDROP drop);

// context_menus.cpp: the right-click menus of the tree and the list.
void showContextMenu(MainWindow& main, const std::vector<ContextMenuItem>& items, POINT screen);
// The menu key or Shift+F10 in the tree or the list: the menu of its selected item.
void showKeyboardContextMenu(MainWindow& main, HWND control);

// filter_field.cpp: the field above the tree: Enter adds, the arrow keys move in the tree.
HWND createFilterField(MainWindow& main);

}  // namespace kavrin::win32
