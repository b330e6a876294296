// Scripts over WAD sets and levels read from disk: the bundled demo and the Level Editor's own.
#include <gtest/gtest.h>

#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/rows.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "script/build_script.h"
#include "support/editing_session.h"
#include "support/script_session.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

using Slots = std::vector<uint32_t>;
using test::placedSlots;

std::string join(std::string path, std::string_view part) {
    joinPath(path, part);
    return path;
}

// A session over a Level Editor directory; the set it builds goes to a fresh directory.
struct DirectorySession : test::EditingSession {
    explicit DirectorySession(const std::string& trle) {
        located = locateObjectsH(session, &trle);
        session.wadDirectory = test::makeTempDirectory("built");
    }
    bool located = false;
};

TEST(SourceSets, TheDemoScriptTakesFromBothDemoSetsReusingTheLoadedOne) {
    DirectorySession d(test::sourcePath("data/demo"));
    ASSERT_TRUE(d.located);
    const std::string wads = d.session.sourceDirectory;
    ReferenceSource* demo = loadWadSetReference(d.session, *makeFileRecord(FILE_WAS, wads, "demo"));
    ASSERT_TRUE(demo);

    ASSERT_TRUE(
        runBuildScriptFile(d.session, *makeFileRecord(FILE_BUILD_SCRIPT, wads, "showcase"), false));
    EXPECT_TRUE(d.recording.messages.empty());
    EXPECT_EQ(placedSlots(d.session), (Slots{0, 114, 122, 156, 460, 463, 465, 466}));
    ASSERT_EQ(d.session.references.size(), 2u);
    EXPECT_EQ(d.session.references[1].get(), demo);
    EXPECT_EQ(d.session.edited.slotTable[0]->owner, demo);
    RowTexts spikes = rowTexts(d.session, 114);
    EXPECT_EQ(spikes.file + "|" + spikes.label, "props.WAS|DEMO_SPIKES");
    EXPECT_EQ(d.view.title, "showcase - Kavrin v2.00");
}

// Objects of four shipped sets (the sky from karnak: title has none) and of the title level; the
// level lives outside the WAD directory, so its folder is asked for once.
constexpr const char* SHIPPED_SOURCES_SCRIPT =
    "KVS V2\r\n"
    "0:WAD:0:tut1\r\n"
    "8:WAD:8:tut1\r\n"
    "30:WAD:30:tut1\r\n"
    "51:WAD:51:karnak\r\n"
    "168:wad:168:karnak\r\n"
    "35:WAD:35:coastal\r\n"
    "132:WAD:132:coastal\r\n"
    "460:WAD:460:karnak\r\n"
    "463:WAD:463:title\r\n"
    "485:WAD:485:title\r\n"
    "429:TR4:427:title\r\n"
    "495:TR4:495:title\r\n";

TEST(SourceSets, AScriptTakesObjectsFromSeveralShippedSetsAndALevel) {
    const std::string trle = test::realTrleDirectory();
    KAVRIN_REQUIRE_DATA(trle);
    DirectorySession d(trle);
    ASSERT_TRUE(d.located);
    const std::string scripts = test::makeTempDirectory("scripts");
    test::writeFileText(scripts + "/several.KVS", SHIPPED_SOURCES_SCRIPT);
    d.recording.folderChoices = {join(trle, "data")};

    ASSERT_TRUE(runBuildScriptFile(d.session,
                                   *makeFileRecord(FILE_BUILD_SCRIPT, scripts, "several"), false))
        << (d.recording.messages.empty() ? "" : d.recording.messages.back().text);
    EXPECT_TRUE(d.recording.messages.empty());
    EXPECT_EQ(d.recording.folderRequests.size(), 1u);
    EXPECT_EQ(placedSlots(d.session), (Slots{0, 8, 30, 35, 51, 132, 168, 429, 460, 463, 485, 495}));
    std::vector<std::string> files;
    for (const auto& source : d.session.references)
        files.push_back(source->fileName);
    EXPECT_EQ(files, (std::vector<std::string>{"title.tr4", "title.WAS", "coastal.WAS",
                                               "karnak.WAS", "tut1.WAS"}));
    RowTexts animating = rowTexts(d.session, 429);
    EXPECT_EQ(animating.name + "|" + animating.file + "|" + animating.label,
              "ANIMATING2|title.tr4|ANIMATING1");
    EXPECT_EQ(d.session.edited.slotTable[495]->owner->kind, REF_LEVEL);
}

}  // namespace
}  // namespace kavrin
