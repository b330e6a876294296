#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "editing/categories.h"
#include "editing/edited_wad_commands.h"
#include "editing/rows.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

using Ranges = std::vector<std::pair<uint32_t, uint32_t>>;

// The slot ranges of each category, as the Level Editor groups its objects.
// clang-format off
const std::map<std::string, Ranges> RANGES = {
    {"Lara", {{0, 30}, {406, 406}, {461, 463}}}, {"Animating", {{427, 458}}},
    {"Doors", {{122, 129}, {322, 335}, {340, 340}}}, {"Enemies", {{35, 107}}},
    {"Enemy AI", {{398, 405}}}, {"Inventory Items", {{246, 247}, {368, 379}}},
    {"Keys", {{203, 230}, {284, 295}}}, {"Levers and Switches", {{306, 321}, {341, 343}}},
    {"Miscellaneous", {{243, 245}, {296, 305}, {336, 339}, {344, 348}, {380, 385}, {389, 397},
                       {407, 419}, {421, 426}, {464, 464}}},
    {"Moving", {{151, 155}}}, {"Outside", {{459, 460}}}, {"Pickups", {{231, 242}, {248, 251}}},
    {"Pushable", {{156, 160}}}, {"Puzzles", {{175, 202}, {260, 283}}},
    {"Quest Items", {{252, 259}}}, {"Shatterable", {{515, 524}}},
    {"Static", {{34, 34}, {108, 113}, {146, 150}, {164, 165}, {173, 174}, {465, 514}}},
    {"Traps", {{114, 119}, {130, 145}, {161, 163}, {166, 172}, {420, 420}}},
    {"Vehicle", {{31, 33}, {120, 121}}}, {"Weapons and Ammo", {{349, 367}, {386, 388}}},
};
// clang-format on

TEST(Categories, EachCategoryShowsExactlyTheSlotsOfItsRanges) {
    test::EditingSession e;
    size_t shown = 0;
    for (uint32_t category = 1; category < CATEGORY_COUNT; ++category) {
        auto ranges = RANGES.find(CATEGORY_NAMES[category]);
        ASSERT_NE(ranges, RANGES.end()) << CATEGORY_NAMES[category];
        std::vector<uint32_t> expected;
        for (auto [first, last] : ranges->second) {
            for (uint32_t slot = first; slot <= last; ++slot)
                expected.push_back(slot);
        }
        setCategoryFilter(e.session, category);
        EXPECT_EQ(e.session.edited.rows, expected) << CATEGORY_NAMES[category];
        shown += expected.size();
    }
    EXPECT_EQ(shown, SLOT_COUNT);  // every slot in one category
}

TEST(Categories, AllObjectsBringsBackEverySlotInSlotOrder) {
    test::EditingSession e;
    setCategoryFilter(e.session, 1);
    EXPECT_EQ(e.session.edited.rows.size(), 35u);
    sortByColumn(e.session, 2);
    e.view.events.clear();
    setCategoryFilter(e.session, ALL_OBJECTS);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(edited.sortCode, 2);
    ASSERT_EQ(edited.rows.size(), SLOT_COUNT);
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot)
        EXPECT_EQ(edited.rows[slot], slot);
    EXPECT_EQ(rowTexts(e.session, 464).id, "M464");  // the last moveable slot and the first static
    EXPECT_EQ(rowTexts(e.session, 465).id, "S  0");
    EXPECT_EQ(e.view.events, (std::vector<std::string>{"redraw off", "rebuilt", "redraw on"}));

    // Choosing the same category again, or one that does not exist, changes nothing.
    e.view.events.clear();
    setCategoryFilter(e.session, ALL_OBJECTS);
    setCategoryFilter(e.session, CATEGORY_COUNT);
    EXPECT_TRUE(e.view.events.empty());
}

}  // namespace
}  // namespace kavrin
