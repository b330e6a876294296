#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "editing/categories.h"
#include "editing/edited_wad_commands.h"
#include "editing/rows.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

using Slots = std::vector<uint32_t>;

TEST(Categories, EverySlotIsInOneCategoryAndAllObjectsBringsThemAllBackInSlotOrder) {
    test::EditingSession e;
    std::vector<int> shown(SLOT_COUNT);
    for (uint32_t category = 1; category < CATEGORY_COUNT; ++category) {
        setCategoryFilter(e.session, category);
        const Slots& rows = e.session.edited.rows;
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end())) << CATEGORY_NAMES[category];
        for (uint32_t slot : rows)
            ++shown.at(slot);
    }
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 1), int{SLOT_COUNT});
    setCategoryFilter(e.session, 1);  // Lara: 0-30, 406 and 461-463
    Slots lara(31);
    std::iota(lara.begin(), lara.end(), 0u);
    lara.insert(lara.end(), {406, 461, 462, 463});
    EXPECT_EQ(e.session.edited.rows, lara);
    setCategoryFilter(e.session, 19);
    EXPECT_EQ(e.session.edited.rows, (Slots{31, 32, 33, 120, 121}));  // Vehicle

    // All Objects brings back every slot in slot order, keeping the sort code.
    sortByColumn(e.session, 2);
    e.view.events.clear();
    setCategoryFilter(e.session, ALL_OBJECTS);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(edited.sortCode, 2);
    Slots all(SLOT_COUNT);
    std::iota(all.begin(), all.end(), 0u);
    EXPECT_EQ(edited.rows, all);
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
