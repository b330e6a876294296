#include <gtest/gtest.h>

#include "editing/categories.h"
#include "editing/edited_wad_commands.h"
#include "editing/rows.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

constexpr uint32_t VEHICLE = 19;

// The five vehicle slots, labelled so that byte order, letter-case-blind order and slot order all
// differ; three of them occupied, two by the same object from different files.
struct SortedRows : ::testing::Test {
    void SetUp() override {
        e.catalogue.labels[31] = "QUAD";
        e.catalogue.labels[32] = "jeep";
        e.catalogue.labels[33] = "MOTORBIKE";
        e.catalogue.labels[120] = "BOAT";
        e.catalogue.labels[121] = "Canoe";
        setCategoryFilter(e.session, VEHICLE);
        ReferenceSource& beta = e.listSet("Beta", {.moveables = {31, 33}});
        ReferenceSource& alpha = e.listSet("alpha", {.moveables = {31}});
        placeEntries(e.session, beta, 0, -1);
        e.selectRowOf(120);
        e.selectEntry(alpha, 0);
        e.recording.answers = {Button::Yes};
        replace(e.session);
        // Row 120: QUAD from alpha.WAS; rows 31 and 33: QUAD and MOTORBIKE from Beta.WAS.
    }

    std::vector<uint32_t> clickColumn(int column) {
        sortByColumn(e.session, column);
        return e.session.edited.rows;
    }

    test::EditingSession e;
};

using Slots = std::vector<uint32_t>;

TEST_F(SortedRows, EveryColumnSortsBothWaysWithFixedTieBreaks) {
    EXPECT_EQ(clickColumn(0), (Slots{31, 33, 120, 32, 121}));
    EXPECT_EQ(e.session.edited.sortCode, 1);
    EXPECT_EQ(clickColumn(0), (Slots{32, 121, 31, 33, 120}));
    EXPECT_EQ(e.session.edited.sortCode, -1);
    EXPECT_EQ(clickColumn(0), (Slots{31, 33, 120, 32, 121}));  // a third click restores
    EXPECT_EQ(clickColumn(1), (Slots{31, 32, 33, 120, 121}));
    EXPECT_EQ(clickColumn(1), (Slots{121, 120, 33, 32, 31}));
    // Names by their bytes: upper case before lower case.
    EXPECT_EQ(clickColumn(2), (Slots{120, 121, 33, 31, 32}));
    EXPECT_EQ(clickColumn(2), (Slots{32, 31, 33, 121, 120}));
    // Files without regard to case (alpha before Beta), ties by label ascending either way.
    EXPECT_EQ(clickColumn(3), (Slots{120, 33, 31, 121, 32}));
    EXPECT_EQ(e.session.edited.sortCode, 4);
    EXPECT_EQ(clickColumn(3), (Slots{32, 121, 33, 31, 120}));
    EXPECT_EQ(e.session.edited.sortCode, -4);
    // Labels, ties by file descending either way.
    EXPECT_EQ(clickColumn(4), (Slots{33, 31, 120, 121, 32}));
    EXPECT_EQ(clickColumn(4), (Slots{32, 121, 31, 120, 33}));
    EXPECT_EQ(e.session.edited.sortCode, -5);
}

TEST_F(SortedRows, TheSelectionStaysWithItsSlot) {
    e.selectRowOf(121);
    e.view.events.clear();
    clickColumn(1);
    clickColumn(1);
    EXPECT_EQ(e.session.edited.selectedRow, 4);
    EXPECT_EQ(e.view.events,
              (std::vector<std::string>{"rebuilt", "select 0", "rebuilt", "select 4"}));
}

// A category shows its slots in slot order, whatever the sort before, and All Objects every slot.
TEST(CategoryFilter, ShowsTheSlotsOfItsRunsInSlotOrder) {
    test::EditingSession e;
    sortByColumn(e.session, 2);
    setCategoryFilter(e.session, 17);  // Static
    Slots statics{34, 108, 109, 110, 111, 112, 113, 146, 147, 148, 149, 150, 164, 165, 173, 174};
    for (uint32_t slot = FIRST_STATIC_SLOT; slot <= 514; ++slot)
        statics.push_back(slot);
    EXPECT_EQ(e.session.edited.rows, statics);
    EXPECT_EQ(e.session.edited.sortCode, 2);
    setCategoryFilter(e.session, ALL_OBJECTS);
    EXPECT_EQ(e.session.edited.rows.size(), SLOT_COUNT);
}

}  // namespace
}  // namespace kavrin
