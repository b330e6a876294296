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
            .categoryBoxHeight = 21};
}

TEST(MainWindowLayout, PlacesEveryControlAroundTheTreeAndTheList) {
    MainWindowLayout layout = layOutMainWindow(usualSizes());
    EXPECT_EQ(layout.treeCaption, (ControlPosition{80, 9}));
    EXPECT_EQ(layout.tree, (ControlRect{5, 31, 250, 401}));
    EXPECT_EQ(layout.addButton, (ControlPosition{260, 189}));
    EXPECT_EQ(layout.replaceButton, (ControlPosition{260, 217}));
    EXPECT_EQ(layout.deleteButton, (ControlPosition{260, 244}));
    EXPECT_EQ(layout.categoryCaption, (ControlPosition{362, 9}));
    EXPECT_EQ(layout.categoryBox, (ControlPosition{490, 5}));
    EXPECT_EQ(layout.editedList, (ControlRect{362, 31, 417, 401}));
}

TEST(MainWindowLayout, ExtraWidthGoesToTheListAndTheButtonsFollowHalfTheHeight) {
    MainWindowSizes sizes = usualSizes();
    MainWindowLayout before = layOutMainWindow(sizes);
    sizes.clientWidth += 300;
    sizes.clientHeight += 101;
    MainWindowLayout after = layOutMainWindow(sizes);
    EXPECT_EQ(after.tree.width, 250);
    EXPECT_EQ(after.tree.height, before.tree.height + 101);
    EXPECT_EQ(after.editedList.x, before.editedList.x);
    EXPECT_EQ(after.editedList.width, before.editedList.width + 300);
    // Half of 457 truncates to 228 and half of 558 is 279: the buttons move down by 51.
    EXPECT_EQ(after.replaceButton, (ControlPosition{260, 268}));
    EXPECT_EQ(after.addButton.y, before.addButton.y + 51);
    EXPECT_EQ(after.deleteButton.y, before.deleteButton.y + 51);
    EXPECT_EQ(after.categoryBox, before.categoryBox);
}

TEST(MainWindowLayout, ATinyWindowGivesTheTreeAndListNoRoomRatherThanANegativeSize) {
    MainWindowSizes sizes = usualSizes();
    sizes.clientWidth = 200;
    sizes.clientHeight = 40;
    MainWindowLayout layout = layOutMainWindow(sizes);
    EXPECT_EQ(layout.tree.height, 0);
    EXPECT_EQ(layout.editedList.width, 0);
    EXPECT_EQ(layout.editedList.height, 0);
    // A caption taller than the box sits higher: 21/2 - 25/2 + 5 = 3.
    sizes.treeCaptionHeight = 25;
    EXPECT_EQ(layOutMainWindow(sizes).treeCaption.y, 3);
}

}  // namespace
}  // namespace kavrin
