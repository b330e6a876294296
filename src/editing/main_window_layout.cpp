#include "editing/main_window_layout.h"

#include <algorithm>

namespace kavrin {

namespace {

// Between the tree and the list: a gap, the buttons and another gap.
int besideTree(const MainWindowSizes& s) {
    return s.buttonWidth + 20;
}

// The list is never narrower than the category caption and box above it.
int leastListWidth(const MainWindowSizes& s) {
    return std::max(MINIMUM_LIST_WIDTH, s.categoryCaptionWidth + 5 + s.categoryBoxWidth);
}

// The filter field, when there is one, takes its height and a gap above the tree.
int filterRow(const MainWindowSizes& s) {
    return s.filterHeight > 0 ? s.filterHeight + 5 : 0;
}

}  // namespace

int fitTreeWidth(const MainWindowSizes& s, int requested) {
    int widest = std::max(MINIMUM_TREE_WIDTH, s.clientWidth - besideTree(s) - leastListWidth(s));
    return std::clamp(requested, MINIMUM_TREE_WIDTH, widest);
}

MainWindowLayout layOutMainWindow(const MainWindowSizes& s) {
    MainWindowLayout layout;
    int treeWidth = fitTreeWidth(s, s.treeWidth);
    // Below the caption row and above the status strip, the tree and the list share the height.
    int top = s.categoryBoxHeight + 10;
    // A window shrunk below its controls gives them no room rather than a negative size.
    int bodyHeight = std::max(0, s.clientHeight - s.categoryBoxHeight - s.statusHeight - 15);
    int listWidth = std::max(0, s.clientWidth - treeWidth - besideTree(s));
    int captionY = s.categoryBoxHeight / 2 - s.treeCaptionHeight / 2 + 5;
    int buttonX = treeWidth + 10;
    int listX = treeWidth + s.buttonWidth + 15;

    layout.treeCaption = {treeWidth / 2 - s.treeCaptionWidth / 2 + 5, captionY};
    layout.filterField = {5, top, treeWidth, s.filterHeight};
    layout.tree = {5, top + filterRow(s), treeWidth, std::max(0, bodyHeight - filterRow(s))};
    layout.splitter = {treeWidth + 5, top, 5, bodyHeight};
    layout.addButton = {buttonX, s.clientHeight / 2 - s.buttonHeight / 2 - s.buttonHeight - 5};
    layout.replaceButton = {buttonX, s.clientHeight / 2 - s.buttonHeight / 2};
    layout.deleteButton = {buttonX, s.clientHeight / 2 + s.buttonHeight / 2 + 5};
    layout.categoryCaption = {listX, captionY};
    layout.categoryBox = {listX + s.categoryCaptionWidth + 5, 5};
    layout.editedList = {listX, top, listWidth, bodyHeight};
    return layout;
}

ClientSize minimumClientSize(const MainWindowSizes& s) {
    int top = s.categoryBoxHeight + 10;
    // The Add button's top, half the buttons' height above the middle, stays below the caption row.
    int buttons = 2 * (top + s.buttonHeight * 3 / 2 + 5) + 1;
    return {MINIMUM_TREE_WIDTH + besideTree(s) + leastListWidth(s),
            std::max(top + filterRow(s) + MINIMUM_PANE_HEIGHT + 5 + s.statusHeight, buttons)};
}

}  // namespace kavrin
