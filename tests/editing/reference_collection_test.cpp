#include <gtest/gtest.h>

#include <filesystem>

#include "editing/entries.h"
#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "support/editing_session.h"
#include "support/parsed_file.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using test::EditingSession;

TEST(EntryTable, MoveablesThenSpriteSequencesThenStaticsWithTheirTreeTexts) {
    EditingSession e;
    ReferenceSource& set = e.listSet("tut1", {.moveables = {0, 464, 465},
                                              .spriteSequences = {DEFAULT_SPRITES_SLOT},
                                              .statics = {4, 60}});
    // isMoveable, objectNumber, slot, kindIndex of each entry.
    const std::array<uint32_t, 4> expected[] = {{1, 0, 0, 0},     {1, 464, 464, 1},
                                                {1, 465, 465, 2}, {1, 463, 463, 3},
                                                {0, 4, 469, 0},   {0, 60, 525, 1}};
    ASSERT_EQ(set.objectCount(), std::size(expected));
    for (size_t i = 0; i < set.entries.size(); ++i) {
        const ObjectEntry& entry = set.entries[i];
        EXPECT_EQ((std::array{entry.isMoveable, entry.objectNumber, entry.slot, entry.kindIndex}),
                  expected[i])
            << "entry " << i;
    }

    // Objects past their slots are shown as unusable, and cannot be placed.
    ASSERT_EQ(e.view.roots.size(), 1u);
    EXPECT_EQ(e.view.roots[0].text, "tut1.WAS");
    EXPECT_EQ(
        e.view.roots[0].children,
        (std::vector<std::string>{"M  0 LARA", "M464 MISC_SPRITES", "M465 (no slot)",
                                  "M463 DEFAULT_SPRITES", "S  4 STATIC_04", "S 60 (no slot)"}));
    EXPECT_EQ(placeableSlot(e.catalogue, set.entries[4]), 469u);
    EXPECT_FALSE(placeableSlot(e.catalogue, set.entries[2]));
    EXPECT_FALSE(placeableSlot(e.catalogue, set.entries[5]));
}

TEST(ReferenceTree, RootsSortByTextWithoutRegardToCaseNewestAfterEqualOnes) {
    EditingSession e;
    for (const char* name : {"beta", "Alpha", "gamma", "ALPHA"})
        e.listSet(name, {});
    EXPECT_EQ(e.view.events,
              (std::vector<std::string>{"reference beta.WAS at 0", "reference Alpha.WAS at 0",
                                        "reference gamma.WAS at 2", "reference ALPHA.WAS at 1"}));
    std::vector<std::string> shown;
    for (const test::TreeRoot& root : e.view.roots)
        shown.push_back(root.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha.WAS", "ALPHA.WAS", "beta.WAS", "gamma.WAS"}));
    EXPECT_EQ(e.session.references.front()->name, "ALPHA");  // the list runs newest first
}

TEST(LoadWadSet, ASetThatFailsToLoadLeavesTheListAndTheTreeAsTheyWere) {
    test::SaveSession s;
    s.listSet("older", {});
    test::SyntheticSet set;
    set.sounds.sampleValues = {1, 2};
    set.sampleNames = {"one.wav"};  // one name for two samples
    s.write(s.directory, "mismatch", set);
    set.sampleNames.push_back("two.wav");
    s.write(s.directory, "nosprites", set);
    const std::string noSprites = s.directory + PATH_SEPARATOR + "nosprites.SWD";
    std::filesystem::remove(noSprites);
    const std::pair<const char*, std::string> cases[] = {
        {"mismatch", s.directory + PATH_SEPARATOR +
                         "mismatch.SAM cannot be read:\nMismatch in number of sound samples: SFX "
                         "has 2, SAM has 1"},
        {"nosprites", "Unable to open " + noSprites},
    };
    for (const auto& [name, text] : cases) {
        s.recording.messages.clear();
        EXPECT_EQ(loadWadSetReference(s.session, *makeFileRecord(FILE_WAS, s.directory, name)),
                  nullptr);
        EXPECT_TRUE(s.recording.onlyMessage().text.starts_with(text))
            << s.recording.onlyMessage().text;
        EXPECT_EQ(s.session.references.size(), 1u);
        EXPECT_EQ(s.view.roots.size(), 1u);
        EXPECT_FALSE(s.session.ui.progress.visible);
    }
    EXPECT_EQ(s.session.nextLoadOrder, 1u);
}

// A set whose object list and object files come from different saves still loads, with one
// warning naming the set and the first slot on which they disagree.
TEST(MixedSets, LoadWithOneWarningNamingTheFirstDisagreeingSlot) {
    const std::pair<const char*, const char*> cases[] = {
        {"OBJECT_005:\r\nOBJECT_006:\r\nOBJECT_009:\r\nOBJECT_012:\r\n",
         "the .WAS names OBJECT_009, which the .WAD and .SWD do not hold"},
        {"OBJECT_006:\r\n", "the .WAD holds OBJECT_005, which the .WAS does not name"},
    };
    for (const auto& [was, disagreement] : cases) {
        test::SaveSession s;
        s.write(s.directory, "m", test::animatedSet({5, 6}, 0));
        test::writeFileText(s.directory + PATH_SEPARATOR + "m.WAS", was);
        EXPECT_NE(loadWadSetReference(s.session, *makeFileRecord(FILE_WAS, s.directory, "m")),
                  nullptr);
        EXPECT_EQ(s.recording.onlyMessage().text,
                  format("The files of the WAD set %s%cm.WAS do not agree: %s.\n\nThey may come "
                         "from different saves. The set is loaded with the objects its .WAD and "
                         ".SWD hold.",
                         s.directory.c_str(), PATH_SEPARATOR, disagreement));
    }
}

}  // namespace
}  // namespace kavrin
