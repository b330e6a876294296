// Building a set from a script over the Level Editor's own sets and levels on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "framework/file_types.h"
#include "script/build_script.h"
#include "support/parsed_file.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using ShippedSources = test::RealSession;
using Slots = std::vector<uint32_t>;

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

TEST_F(ShippedSources, AScriptOverSeveralShippedSetsAndALevelBuildsASetOfEveryObject) {
    session.wadDirectory = directory;  // where the set is built, beside the script
    test::writeFileText(directory + "/several.KVS", SHIPPED_SOURCES_SCRIPT);
    recording.folderChoices = {(std::filesystem::path(trle) / "data").string()};
    ASSERT_TRUE(
        runBuildScriptFile(session, *makeFileRecord(FILE_BUILD_SCRIPT, directory, "several"), true))
        << (recording.messages.empty() ? "" : recording.messages.back().text);
    // The shipped title set lists SKY_GRAPHICS without holding its sprites: loading it warns.
    ASSERT_EQ(recording.messages.size(), 2u);
    EXPECT_NE(
        recording.messages[0].text.find("title.WAS do not agree: the .WAS names SKY_GRAPHICS"),
        std::string::npos);
    EXPECT_EQ(recording.messages[1].title, "Wad Saved");
    EXPECT_EQ(recording.folderRequests.size(), 1u);
    std::vector<std::string> files;
    for (const auto& source : session.references)
        files.push_back(source->fileName);
    EXPECT_EQ(files, (std::vector<std::string>{"title.tr4", "title.WAS", "coastal.WAS",
                                               "karnak.WAS", "tut1.WAS"}));
    EXPECT_EQ(session.edited.sourceSlot[496], 495u);
    EXPECT_EQ(session.edited.slotTable[496]->owner->kind, REF_LEVEL);

    std::unique_ptr<ReferenceSource> saved = loadSaved("several");
    ASSERT_NE(saved, nullptr);
    Slots slots;
    for (const ObjectEntry& entry : saved->entries)
        slots.push_back(entry.slot);
    std::sort(slots.begin(), slots.end());
    EXPECT_EQ(slots, (Slots{0, 8, 30, 35, 51, 132, 168, 429, 460, 463, 485, 496}));
}

}  // namespace
}  // namespace kavrin
