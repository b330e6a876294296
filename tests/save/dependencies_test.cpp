// What objects need from their sources, held against what the save itself refuses, and the
// budget's figures against the summary of the save, on the Level Editor's own sets.
#include <gtest/gtest.h>

#include <regex>

#include "editing/dependencies.h"
#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "save/output_set.h"
#include "save/save_state.h"
#include "save/set_budget.h"
#include "support/mixed_set.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

constexpr uint32_t SIXSHOOTER_ANIM = 6;

struct Dependencies : test::RealSession {
    void place(const ObjectEntry& entry) {
        placeEntries(session, *entry.owner, entry.index, entry.index);
    }
    // Builds the set as a save does, without writing; false when the save would refuse it.
    bool builds() {
        Ui quiet;
        SaveState state(session, FileRecord{}, quiet);
        return buildOutputSet(state, SetBuild::Save);
    }
};

// The nine objects are those repeated refused saves name one by one; Add asks once for all of
// them and Yes places them, so the set saves at once.
TEST_F(Dependencies, SixshooterFromTut1NeedsNineObjectsAndAddOffersThemInOneQuestion) {
    ReferenceSource* tut1 = loadShipped("tut1");
    ASSERT_NE(tut1, nullptr);
    selectEntry(*tut1, SIXSHOOTER_ANIM);
    recording.answers = {Button::Yes};
    add(session);
    ASSERT_EQ(recording.messages.size(), 1u);
    EXPECT_EQ(recording.messages[0].text,
              "SIXSHOOTER_ANIM needs FLARE_ANIM, LARA_SKIN, LARA_SKIN_JOINTS, LARA_HOLSTERS_UZIS, "
              "HAIR, PUZZLE_ITEM5, GRENADE_GUN_AMMO1_ITEM, GRENADE_GUN_AMMO2_ITEM and ANIMATING6 "
              "from tut1.WAS to work. Add them too?");
    EXPECT_EQ(session.edited.occupiedCount, 10u);
    EXPECT_TRUE(save()) << recording.messages.back().text;
}

// Every moveable of two sets alone: the save refuses it exactly when something is found missing,
// and takes it with what was found.
TEST_F(Dependencies, AgreeWithTheSaveForEveryMoveableOfASet) {
    for (const char* name : {"tut1", "coastal"}) {
        ReferenceSource* source = loadShipped(name);
        ASSERT_NE(source, nullptr);
        for (const ObjectEntry& entry : source->entries) {
            if (!entry.isMoveable || entry.kindIndex >= source->block.moveables.size()) continue;
            SCOPED_TRACE(std::string(name) + " " + std::string(slotName(session, entry.slot)));
            clearEditedWad(session);
            place(entry);
            std::vector<ObjectNeeds> lacking = missingDependencies(session.edited);
            EXPECT_EQ(builds(), lacking.empty());
            if (lacking.empty()) continue;
            addMissingDependencies(session);
            EXPECT_TRUE(builds());
        }
    }
}

// A mixed set past the Level Editor's 16 texture tiles: the budget marks them, the summary warns.
TEST_F(Dependencies, BudgetFiguresAreThoseOfTheSavedSet) {
    ReferenceSource* level = loadLevelReference(
        session, makeFileRecord(FILE_REFERENCE, trle + PATH_SEPARATOR + "data", "title"));
    ReferenceSource *tut1 = loadShipped("tut1"), *karnak = loadShipped("karnak"),
                    *settomb = loadShipped("settomb"), *angkor = loadShipped("angkor");
    ASSERT_TRUE(level && tut1 && karnak && settomb && angkor);
    test::fillFreeSlots(
        session, {{level, true}, {tut1, true}, {karnak, true}, {settomb, true}, {angkor, true}});
    const SetBudget budget = measureSet(session);
    ASSERT_TRUE(budget.measured);
    ASSERT_TRUE(save()) << recording.messages.back().text;

    std::smatch summary;
    const std::string& text = recording.messages.back().text;
    ASSERT_TRUE(std::regex_search(text, summary,
                                  std::regex("uses (\\d+) texture objects[^]*approximately (\\d+) "
                                             "out of 16 texture tiles\\.([^]*)")));
    EXPECT_EQ(std::stoul(summary[1]), budget.limits[OUT_OBJECT_TEXTURES].count);
    EXPECT_EQ(std::stoul(summary[2]), budget.tiles);
    EXPECT_GT(budget.tiles, 16u);
    EXPECT_NE(summary[3], "");
    std::unique_ptr<ReferenceSource> saved = loadSaved();
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->block.meshPointers.size(), budget.limits[OUT_MESH_POINTERS].count);
    EXPECT_EQ(saved->block.sampleNames.size(), budget.limits[OUT_SAMPLES].count);
    EXPECT_NE(budgetText(budget).find(format("Texture tiles %u/16 (over)", budget.tiles)),
              std::string::npos);
}

}  // namespace
}  // namespace kavrin
