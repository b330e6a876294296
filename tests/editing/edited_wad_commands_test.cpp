#include <gtest/gtest.h>

#include "editing/edited_wad_commands.h"
#include "editing/rows.h"
#include "framework/text_format.h"
#include "support/editing_session.h"

namespace kavrin {
namespace {

using test::EditingSession;
using Events = std::vector<std::string>;

std::string overwriteText(const char* slot, const char* occupant, const char* occupantFile,
                          const char* incoming, const char* incomingFile) {
    return format(
        "The %s object already exists in the new wad as %s from the %s file.\n\n"
        "Are you sure you want to replace it with %s from the %s file?",
        slot, occupant, occupantFile, incoming, incomingFile);
}

std::string shown(const RowTexts& row) {
    return row.id + "|" + row.name + "|" + row.file + "|" + row.label;
}

TEST(AddCommand, PlacesAnEntryInItsOwnSlotAskingBeforeAnOverwriteWhileTheOptionIsOn) {
    EditingSession e;
    ReferenceSource& karnak = e.listSet("karnak", {.moveables = {0}, .statics = {4}});
    ReferenceSource& coastal = e.listSet("coastal", {.moveables = {0}});
    e.view.events.clear();
    e.selectEntry(karnak, 1);
    add(e.session);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(edited.slotTable[469], &karnak.entries[1]);
    EXPECT_TRUE(edited.dirty);
    EXPECT_EQ(e.view.events, (Events{"redraw off", "row 469", "select 469", "redraw on"}));
    EXPECT_EQ(shown(rowTexts(e.session, 469)), "S  4|STATIC_04|karnak.WAS|STATIC_04");

    e.selectEntry(karnak, 0);
    add(e.session);
    e.selectEntry(coastal, 0);
    e.recording.answers = {Button::No, Button::Yes};
    add(e.session);
    EXPECT_EQ(edited.slotTable[0], &karnak.entries[0]);
    const test::RecordedMessage& question = e.recording.onlyMessage();
    EXPECT_EQ(question.style, MessageStyle::QuestionYesNo);
    EXPECT_EQ(question.title, "Confirm overwrite");
    EXPECT_EQ(question.text, overwriteText("LARA", "LARA", "karnak.WAS", "LARA", "coastal.WAS"));
    add(e.session);
    EXPECT_EQ(edited.slotTable[0], &coastal.entries[0]);
    EXPECT_EQ(edited.occupiedCount, 2u);

    // With the option off the slot changes hands without a question.
    EXPECT_FALSE(toggleConfirmOverwriting(e.session));
    e.selectEntry(karnak, 0);
    add(e.session);
    EXPECT_EQ(edited.slotTable[0], &karnak.entries[0]);
    EXPECT_EQ(e.recording.messages.size(), 2u);
}

TEST(AddCommand, AWholeSourceIsAddedAfterOneQuestionWhateverIsOccupied) {
    EditingSession e;
    ReferenceSource& old = e.listSet("old", {.moveables = {7}});
    ReferenceSource& set = e.listSet("set", {.moveables = {9, 7, 9}, .statics = {0}});
    e.selectEntry(old, 0);
    add(e.session);
    e.selectEntry(set, -1);
    e.recording.answers = {Button::No, Button::Yes};
    add(e.session);
    EXPECT_EQ(e.recording.onlyMessage().title, "Confirm adding an entire Wad");
    EXPECT_EQ(e.recording.onlyMessage().text,
              "Are you sure you want to add all the objects in the set.WAS file?");
    EXPECT_EQ(e.session.edited.occupiedCount, 1u);
    add(e.session);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(e.recording.messages.size(), 2u);  // no overwrite question for slot 7
    EXPECT_EQ(edited.occupiedCount, 3u);         // 7 was taken already; 9 twice counts once
    EXPECT_EQ(edited.slotTable[7], &set.entries[1]);
    EXPECT_EQ(edited.slotTable[9], &set.entries[2]);  // the later entry for a slot wins
    EXPECT_EQ(edited.selectedRow, 9);
}

TEST(AddCommand, NothingSelectedOrObjectsWithoutASlotOnlyBeep) {
    EditingSession e;
    add(e.session);
    // A moveable numbered past the moveable slots would index a static slot; a static past the
    // static slots, past the table; an unlabelled slot has no name to be saved under.
    e.catalogue.labels[12].clear();
    ReferenceSource& set =
        e.listSet("odd", {.moveables = {470, 3, 12}, .statics = {60, 0xFFFFFFFF}});
    for (int index : {0, 2, 3, 4}) {
        e.selectEntry(set, index);
        add(e.session);
    }
    EXPECT_EQ(e.recording.beeps, 5);
    EXPECT_EQ(e.session.edited.occupiedCount, 0u);
    EXPECT_FALSE(e.session.edited.dirty);

    // A whole source places the others and beeps once for those left out.
    e.selectEntry(set, -1);
    e.recording.answers = {Button::Yes};
    add(e.session);
    EXPECT_EQ(e.recording.beeps, 6);
    EXPECT_EQ(e.session.edited.occupiedCount, 1u);
    EXPECT_EQ(e.session.edited.slotTable[3], &set.entries[1]);
}

TEST(ReplaceCommand, BeepsOrRefusesInAFixedOrderChangingNothing) {
    EditingSession e;
    ReferenceSource& set = e.listSet("set", {.moveables = {1, SKY_GRAPHICS_SLOT},
                                             .spriteSequences = {DEFAULT_SPRITES_SLOT},
                                             .statics = {2}});
    e.selectEntry(set, 0);
    replace(e.session);  // no row
    e.selectRowOf(2);
    e.selectEntry(set, -1);
    replace(e.session);  // a whole source
    e.catalogue.labels[2].clear();
    e.selectEntry(set, 0);
    replace(e.session);  // a slot objects.h does not name
    EXPECT_EQ(e.recording.beeps, 3);

    const std::tuple<uint32_t, int, const char*> cases[] = {
        {470, 0, "Replacing static objects with moveables is not supported yet."},
        {SKY_GRAPHICS_SLOT, 3, "Replacing moveables with static objects is not supported yet."},
        {SKY_GRAPHICS_SLOT, 0, "You can only replace SKY_GRAPHICS with other SKY_GRAPHICS."},
        {5, 1, "You can only replace SKY_GRAPHICS with other SKY_GRAPHICS."},
        {DEFAULT_SPRITES_SLOT, 1, "You can only replace SKY_GRAPHICS with other SKY_GRAPHICS."},
        {DEFAULT_SPRITES_SLOT, 0,
         "You can only replace DEFAULT_SPRITES with other DEFAULT_SPRITES."},
        {5, 2, "You can only replace DEFAULT_SPRITES with other DEFAULT_SPRITES."},
    };
    for (auto [row, entry, text] : cases) {
        e.recording.messages.clear();
        e.selectRowOf(row);
        e.selectEntry(set, entry);
        replace(e.session);
        EXPECT_EQ(e.recording.onlyMessage().text, text) << "row " << row << ", entry " << entry;
    }
    EXPECT_EQ(e.session.edited.occupiedCount, 0u);
    EXPECT_FALSE(e.session.edited.dirty);
}

TEST(ReplaceCommand, AlwaysAsksThenPutsTheObjectInTheSelectedSlot) {
    EditingSession e;
    toggleConfirmOverwriting(e.session);
    ReferenceSource& sprites = e.listSet("sprites", {.spriteSequences = {200, SKY_GRAPHICS_SLOT}});
    ReferenceSource& other = e.listSet("other", {.moveables = {9}});
    e.selectRowOf(5);
    e.selectEntry(sprites, 0);
    e.recording.answers = {Button::No, Button::Yes};
    replace(e.session);
    EXPECT_EQ(e.recording.onlyMessage().title, "Confirm Object Replace");
    EXPECT_EQ(e.recording.onlyMessage().text,
              "Are you sure you want to replace OBJECT_005 with OBJECT_200 from the sprites.WAS "
              "file?");
    EXPECT_EQ(e.session.edited.occupiedCount, 0u);
    replace(e.session);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(edited.slotTable[5], &sprites.entries[0]);
    EXPECT_EQ(shown(rowTexts(e.session, 5)), "M  5|OBJECT_005|sprites.WAS|OBJECT_200");

    // Into an occupied slot the overwrite question names the incoming object by its own slot.
    e.selectEntry(other, 0);
    e.recording.answers = {Button::Yes};
    replace(e.session);
    EXPECT_EQ(e.recording.messages.back().text,
              overwriteText("OBJECT_005", "OBJECT_200", "sprites.WAS", "OBJECT_009", "other.WAS"));
    EXPECT_EQ(edited.sourceFile[5], "other.WAS");
    EXPECT_EQ(edited.occupiedCount, 1u);

    e.selectRowOf(SKY_GRAPHICS_SLOT);
    e.selectEntry(sprites, 1);
    e.recording.answers = {Button::Yes};
    replace(e.session);
    EXPECT_EQ(edited.slotTable[SKY_GRAPHICS_SLOT], &sprites.entries[1]);
}

TEST(DeleteCommand, EmptiesTheSelectedSlotAfterAskingWhileTheOptionIsOn) {
    EditingSession e;
    ReferenceSource& set = e.listSet("set", {.moveables = {3, 4, 5}});
    placeEntries(e.session, set, 0, -1);
    e.session.edited.dirty = false;
    e.session.edited.selectedRow = NO_ROW;
    deleteObject(e.session);  // no row selected
    e.selectRowOf(8);
    deleteObject(e.session);  // an empty row
    EXPECT_EQ(e.recording.beeps, 2);

    e.selectRowOf(3);
    e.recording.answers = {Button::No, Button::Yes};
    deleteObject(e.session);
    EXPECT_EQ(e.recording.onlyMessage().title, "Confirm Object Delete");
    EXPECT_EQ(e.recording.onlyMessage().text, "Are you sure you want to delete OBJECT_003?");
    EXPECT_FALSE(e.session.edited.dirty);
    deleteObject(e.session);
    const EditedWad& edited = e.session.edited;
    EXPECT_EQ(edited.slotTable[3], nullptr);
    EXPECT_TRUE(edited.dirty);
    EXPECT_EQ(shown(rowTexts(e.session, 3)), "M  3|OBJECT_003||");

    // Without confirmation the object goes at once.
    EXPECT_FALSE(toggleConfirmDeletions(e.session));
    e.selectRowOf(4);
    deleteObject(e.session);
    EXPECT_EQ(e.recording.messages.size(), 2u);
    EXPECT_EQ(edited.occupiedCount, 1u);
}

}  // namespace
}  // namespace kavrin
