// Building sets from scripts over WAD sets and levels on disk: the bundled demo and the Level
// Editor's own.
#include <gtest/gtest.h>

#include <algorithm>

#include "editing/entries.h"
#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "script/build_script.h"
#include "support/editing_session.h"
#include "support/test_data.h"
#include "support/text_files.h"

namespace kavrin {
namespace {

using Slots = std::vector<uint32_t>;

// A session over a Level Editor directory; the set it builds goes to a fresh directory.
struct DirectorySession : test::EditingSession {
    explicit DirectorySession(const std::string& trle) {
        located = locateObjectsH(session, &trle);
        session.wadDirectory = test::makeTempDirectory("built");
    }

    // The slots the set saved as `name` fills, read back from its files.
    Slots savedSlots(const char* name) {
        const FileRecord set = *makeFileRecord(FILE_WAS, session.wadDirectory, name);
        ReferenceSource* saved = loadWadSetReference(session, set);
        Slots slots;
        for (const ObjectEntry& entry : saved ? saved->entries : std::vector<ObjectEntry>{}) {
            if (std::optional<uint32_t> slot = placeableSlot(*session.catalogue, entry)) {
                slots.push_back(*slot);
            }
        }
        std::sort(slots.begin(), slots.end());
        return slots;
    }

    bool located = false;
};

TEST(SourceSets, TheDemoScriptBuildsItsSetReplacingTheOneOfItsNameWhenTheUserSaysYes) {
    DirectorySession d(test::sourcePath("data/demo"));
    ASSERT_TRUE(d.located);
    const std::string built = d.session.wadDirectory;
    test::writeFileText(built + "/showcase.WAS", "kept");
    d.recording.answers = {Button::Yes};

    const std::string wads = d.session.sourceDirectory;
    ASSERT_TRUE(
        runBuildScriptFile(d.session, *makeFileRecord(FILE_BUILD_SCRIPT, wads, "showcase"), true));
    ASSERT_EQ(d.recording.messages.size(), 2u);
    EXPECT_EQ(d.recording.messages[0].title, "Save Wad");
    EXPECT_EQ(d.recording.messages[1].title, "Wad Saved");
    EXPECT_FALSE(d.session.edited.dirty);
    EXPECT_EQ(d.session.edited.editedWasFile->path, built + "/showcase.WAS");
    EXPECT_EQ(d.savedSlots("showcase"), (Slots{0, 114, 122, 156, 460, 463, 465, 466}));
}

// Objects of four shipped sets and of the title level, two of them into other objects' slots. The
// level lives outside the WAD directory, so its folder is asked for once.
constexpr const char* SHIPPED_SOURCES_SCRIPT =
    "KVS V2\r\n"
    "0:WAD:0:tut1\r\n"
    "8:WAD:8:tut1\r\n"
    "30:WAD:30:tut1\r\n"
    "51:WAD:51:karnak\r\n"
    "168:wad:168:karnak\r\n"
    "460:WAD:460:karnak\r\n"
    "35:WAD:35:coastal\r\n"
    "132:WAD:132:coastal\r\n"
    "463:WAD:463:title\r\n"
    "485:WAD:486:title\r\n"
    "429:TR4:429:title\r\n"
    "496:TR4:495:title\r\n";

TEST(SourceSets, AScriptOverSeveralShippedSetsAndALevelBuildsASetOfEveryObject) {
    const std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    DirectorySession d(trle);
    ASSERT_TRUE(d.located);
    const std::string scripts = test::makeTempDirectory("scripts");
    test::writeFileText(scripts + "/several.KVS", SHIPPED_SOURCES_SCRIPT);
    std::string levels = trle;
    joinPath(levels, "data");
    d.recording.folderChoices = {levels};

    ASSERT_TRUE(
        runBuildScriptFile(d.session, *makeFileRecord(FILE_BUILD_SCRIPT, scripts, "several"), true))
        << (d.recording.messages.empty() ? "" : d.recording.messages.back().text);
    EXPECT_EQ(d.recording.onlyMessage().title, "Wad Saved");
    EXPECT_EQ(d.recording.folderRequests.size(), 1u);
    std::vector<std::string> files;
    for (const auto& source : d.session.references)
        files.push_back(source->fileName);
    EXPECT_EQ(files, (std::vector<std::string>{"title.tr4", "title.WAS", "coastal.WAS",
                                               "karnak.WAS", "tut1.WAS"}));
    EXPECT_EQ(d.session.edited.sourceSlot[496], 495u);
    EXPECT_EQ(d.session.edited.slotTable[496]->owner->kind, REF_LEVEL);
    EXPECT_EQ(d.savedSlots("several"),
              (Slots{0, 8, 30, 35, 51, 132, 168, 429, 460, 463, 485, 496}));
}

}  // namespace
}  // namespace kavrin
