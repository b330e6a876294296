#include "editing/main_window_layout.h"

#include <algorithm>

namespace kavrin {

MainWindowLayout layOutMainWindow(const MainWindowSizes& s) {
    MainWindowLayout layout;
    // Below the caption row and above the status strip, the tree and the list share the height.
    int top = s.categoryBoxHeight + 10;
    // A window shrunk below its controls gives them no room rather than a negative size.
    int bodyHeight = std::max(0, s.clientHeight - s.categoryBoxHeight - s.statusHeight - 15);
    int listWidth = std::max(0, s.clientWidth - s.treeWidth - s.buttonWidth - 20);
    int captionY = s.categoryBoxHeight / 2 - s.treeCaptionHeight / 2 + 5;
    int buttonX = s.treeWidth + 10;
    int listX = s.treeWidth + s.buttonWidth + 15;

    layout.treeCaption = {s.treeWidth / 2 - s.treeCaptionWidth / 2 + 5, captionY};
    layout.tree = {5, top, s.treeWidth, bodyHeight};
    layout.addButton = {buttonX, s.clientHeight / 2 - s.buttonHeight / 2 - s.buttonHeight - 5};
    layout.replaceButton = {buttonX, s.clientHeight / 2 - s.buttonHeight / 2};
    layout.deleteButton = {buttonX, s.clientHeight / 2 + s.buttonHeight / 2 + 5};
    layout.categoryCaption = {listX, captionY};
    layout.categoryBox = {listX + s.categoryCaptionWidth + 5, 5};
    layout.editedList = {listX, top, listWidth, bodyHeight};
    return layout;
}

}  // namespace kavrin
