#include <gtest/gtest.h>

#include <array>

#include "editing/main_window_layout.h"

namespace kavrin {
namespace {

// Sizes as a 800 x 500 window shows them with a usual font.
MainWindowSizes usualSizes() {
    return {.clientWidth = 784,
            .clientHeight = 457,
            .statusHeight = 20,
            .treeWidth = 250,
            .buttonWidth = 97,
            .buttonHeight = 23,
            .treeCaptionWidth = 101,
            .treeCaptionHeight = 13,
            .categoryCaptionWidth = 123,
            .categoryBoxWidth = 150,
            .categoryBoxHeight = 21};
}

// What every window size must give, whatever the margins: the tree, the buttons and the list side
// by side inside the window above the status strip, the buttons stacked without overlapping, and
// all extra room to the tree and the list.
TEST(MainWindowLayout, KeepsTheControlsInOrderInsideTheWindowAndGivesExtraRoomToTreeAndList) {
    MainWindowSizes s = usualSizes();
    const MainWindowLayout usual = layOutMainWindow(s);
    for (int grow : {0, 300}) {
        s.clientWidth = 784 + grow;
        s.clientHeight = 457 + grow;
        const MainWindowLayout l = layOutMainWindow(s);
        const ControlRect &tree = l.tree, &list = l.editedList;
        EXPECT_EQ((std::array{tree.width, tree.y, tree.height, list.width, list.height}),
                  (std::array{s.treeWidth, list.y, list.height, usual.editedList.width + grow,
                              usual.editedList.height + grow}));
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

TEST(MainWindowLayout, TheFilterFieldTopsTheTreeWhoseDraggedWidthStaysWithinTheWindow) {
    MainWindowSizes sizes = usualSizes();
    sizes.filterHeight = 20;
    sizes.treeWidth = 300;
    MainWindowLayout layout = layOutMainWindow(sizes);
    EXPECT_EQ(layout.filterField, (ControlRect{5, 31, 300, 20}));
    EXPECT_EQ(layout.tree, (ControlRect{5, 56, 300, 376}));
    EXPECT_EQ(layout.splitter, (ControlRect{305, 31, 5, 401}));
    EXPECT_EQ(layout.editedList, (ControlRect{412, 31, 367, 401}));

    // The list keeps room for the category caption and box (278); the tree keeps its least width.
    const std::pair<int, int> drags[] = {{100, 160}, {250, 250}, {400, 389}, {2000, 389}};
    for (auto [requested, kept] : drags)
        EXPECT_EQ(fitTreeWidth(sizes, requested), kept) << requested;
    EXPECT_EQ(minimumClientSize(sizes), (ClientSize{555, 261}));
}

}  // namespace
}  // namespace kavrin
