// Where the main window's controls go for a client area of a given size.
//
// The reference tree keeps its width, the three buttons stand between the tree and the edited list
// around half the height, and the edited list takes all the width that is left.
#pragma once

namespace kavrin {

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
    int treeWidth = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int treeCaptionWidth = 0;
    int treeCaptionHeight = 0;
    int categoryCaptionWidth = 0;
    int categoryBoxHeight = 0;
};

// The captions, the buttons and the category box keep their sizes and only move; the tree and the
// edited list are also resized.
struct MainWindowLayout {
    ControlPosition treeCaption;
    ControlRect tree;
    ControlPosition addButton;
    ControlPosition replaceButton;
    ControlPosition deleteButton;
    ControlPosition categoryCaption;
    ControlPosition categoryBox;
    ControlRect editedList;
};

MainWindowLayout layOutMainWindow(const MainWindowSizes& sizes);

}  // namespace kavrin
