#include <gtest/gtest.h>

#include "editing/main_window_layout.h"

namespace kavrin {
namespace {

// What every window size must give, whatever the margins: the tree, the buttons and the list side
// by side inside the window above the status strip, the buttons stacked without overlapping, and
// all extra room to the tree and the list.
TEST(MainWindowLayout, KeepsTheControlsInOrderInsideTheWindowAndGivesExtraRoomToTreeAndList) {
    MainWindowSizes s{.clientWidth = 784,
                      .clientHeight = 457,
                      .statusHeight = 20,
                      .treeWidth = 250,
                      .buttonWidth = 97,
                      .buttonHeight = 23,
                      .treeCaptionWidth = 101,
                      .treeCaptionHeight = 13,
                      .categoryCaptionWidth = 123,
                      .categoryBoxHeight = 21};
    const MainWindowLayout usual = layOutMainWindow(s);
    for (int grow : {0, 300}) {
        s.clientWidth = 784 + grow;
        s.clientHeight = 457 + grow;
        const MainWindowLayout l = layOutMainWindow(s);
        const ControlRect &tree = l.tree, &list = l.editedList;
        EXPECT_EQ(tree.width, s.treeWidth);
        EXPECT_EQ((std::pair{tree.y, tree.height}), (std::pair{list.y, list.height}));
        EXPECT_EQ(list.width - usual.editedList.width, grow);
        EXPECT_EQ(list.height - usual.editedList.height, grow);
        EXPECT_LT(tree.x + tree.width, l.addButton.x);
        EXPECT_LT(l.addButton.x + s.buttonWidth, list.x);
        EXPECT_LE(list.x + list.width, s.clientWidth);
        EXPECT_LE(list.y + list.height, s.clientHeight - s.statusHeight);
        EXPECT_LT(l.categoryBox.x, list.x + list.width);
        EXPECT_LE(l.addButton.y + s.buttonHeight, l.replaceButton.y);
        EXPECT_LE(l.replaceButton.y + s.buttonHeight, l.deleteButton.y);
        EXPECT_LT(l.replaceButton.y, s.clientHeight / 2);
        EXPECT_GT(l.replaceButton.y + s.buttonHeight, s.clientHeight / 2);
    }
    s.clientWidth = 200;
    s.clientHeight = 40;
    const MainWindowLayout tiny = layOutMainWindow(s);
    EXPECT_EQ((std::pair{tiny.tree.height, tiny.editedList.width}), (std::pair{0, 0}));
}

}  // namespace
}  // namespace kavrin
