// Where the main window's controls go for a client area of a given size.
//
// The reference tree keeps the width the user gave it by dragging the splitter bar beside it, the
// three buttons stand between the tree and the edited list around half the height, and the edited
// list takes all the width that is left.
#pragma once

namespace kavrin {

// The tree's width when the window opens, and the least room the tree, the list and the panes'
// height are given: a window shrunk further keeps these and is cut off instead.
inline constexpr int DEFAULT_TREE_WIDTH = 250;
inline constexpr int MINIMUM_TREE_WIDTH = 160;
inline constexpr int MINIMUM_LIST_WIDTH = 240;
inline constexpr int MINIMUM_PANE_HEIGHT = 180;

struct ControlPosition {
    int x = 0;
    int y = 0;

    friend bool operator==(const ControlPosition&, const ControlPosition&) = default;
};

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

// The current sizes of the controls that the placement depends on.
struct MainWindowSizes {
    int clientWidth = 0;
    int clientHeight = 0;
    int statusHeight = 0;
    int treeWidth = 0;     // as the user asked for it; the layout keeps it within the window
    int filterHeight = 0;  // the filter field above the tree; 0 when the window has none
    int buttonWidth = 0;
    int buttonHeight = 0;
    int treeCaptionWidth = 0;
    int treeCaptionHeight = 0;
    int categoryCaptionWidth = 0;
    int categoryBoxWidth = 0;
    int categoryBoxHeight = 0;
};

// The captions, the buttons and the category box keep their sizes and only move; the filter
// field, the tree, the splitter bar and the edited list are also resized.
struct MainWindowLayout {
    ControlPosition treeCaption;
    ControlRect filterField;
    ControlRect tree;
    ControlRect
        splitter;  // the gap between the tree and the buttons, where a drag resizes the tree
    ControlPosition addButton;
    ControlPosition replaceButton;
    ControlPosition deleteButton;
    ControlPosition categoryCaption;
    ControlPosition categoryBox;
    ControlRect editedList;
};

MainWindowLayout layOutMainWindow(const MainWindowSizes& sizes);

// The tree width a drag asks for, kept between the tree's minimum and what leaves the list its
// minimum.
int fitTreeWidth(const MainWindowSizes& sizes, int requested);

struct ClientSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const ClientSize&, const ClientSize&) = default;
};

// The smallest client area that shows every control whole: the tree and the list at their least
// widths, the category box beside its caption, and the three buttons between the caption row and
// the status strip.
ClientSize minimumClientSize(const MainWindowSizes& sizes);

}  // namespace kavrin
