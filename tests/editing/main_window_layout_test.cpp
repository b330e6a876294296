#include <gtest/gtest.h>

#include "editing/main_window_layout.h"

namespace kavrin {
namespace {

// Sizes as a 800 x 500 window shows them with a usual font; the positions below are worked out
// by hand from the placement rules.
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

TEST(MainWindowLayout, PlacesEveryControlAroundTheTreeAndTheListWhichTakeTheExtraSize) {
    MainWindowLayout layout = layOutMainWindow(usualSizes());
    EXPECT_EQ(layout.treeCaption, (ControlPosition{80, 9}));
    EXPECT_EQ(layout.tree, (ControlRect{5, 31, 250, 401}));
    EXPECT_EQ(layout.addButton, (ControlPosition{260, 189}));
    EXPECT_EQ(layout.replaceButton, (ControlPosition{260, 217}));
    EXPECT_EQ(layout.deleteButton, (ControlPosition{260, 244}));
    EXPECT_EQ(layout.categoryCaption, (ControlPosition{362, 9}));
    EXPECT_EQ(layout.categoryBox, (ControlPosition{490, 5}));
    EXPECT_EQ(layout.editedList, (ControlRect{362, 31, 417, 401}));

    // Extra size goes to the list and the tree's height; a tiny window gives them none.
    MainWindowSizes sizes = usualSizes();
    sizes.clientWidth += 300;
    sizes.clientHeight += 101;
    MainWindowLayout larger = layOutMainWindow(sizes);
    EXPECT_EQ(larger.tree, (ControlRect{5, 31, 250, 502}));
    EXPECT_EQ(larger.editedList, (ControlRect{362, 31, 717, 502}));
    // Half of 457 truncates to 228 and half of 558 is 279: the buttons move down by 51.
    EXPECT_EQ(larger.replaceButton, (ControlPosition{260, 268}));

    sizes.clientWidth = 200;
    sizes.clientHeight = 40;
    MainWindowLayout tiny = layOutMainWindow(sizes);
    EXPECT_EQ(tiny.tree.height, 0);
    EXPECT_EQ(tiny.editedList.width, 0);
    // A caption taller than the box sits higher: 21/2 - 25/2 + 5 = 3.
    sizes.treeCaptionHeight = 25;
    EXPECT_EQ(layOutMainWindow(sizes).treeCaption.y, 3);
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
