// The WAD sets shipped with the Level Editor: every .WAD and .SWD reads exactly to its end, and
// every copy cut short inside a section is refused with one message naming that section.
#include <gtest/gtest.h>

#include <functional>

#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "support/load_bytes.h"
#include "support/recording_ui.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

const char* const SETS[] = {"tut1",   "karnak",   "title",   "coastal", "settomb",
                            "angkor", "Catacomb", "cleopal", "city"};

struct Section {
    std::string name;
    uint64_t bytes;  // its count field included
};

// The file layout worked out from the parsed counts, section by section after the version.
std::vector<Section> wadLayout(const ObjectWad& wad) {
    return {
        {"Textures", 4 + 8 * wad.textures.size()},
        {"Textures", 4 + wad.texturePages.size()},
        {"Mesh Pointers", 4 + 4 * wad.meshPointers.size()},
        {"Meshes", 4 + 2 * uint64_t{wad.meshWordCount}},
        {"Animations", 4 + 40 * wad.animations.size()},
        {"States", 4 + 6 * wad.stateChanges.size()},
        {"Dispatches", 4 + 8 * wad.dispatches.size()},
        {"Animation Commands", 4 + 2 * wad.commands.size()},
        {"Mesh Trees", 4 + 4 * wad.meshTrees.size()},
        {"Frames", 4 + 2 * wad.frames.size()},
        {"Moveables", 4 + 18 * wad.moveables.size()},
        {"Static Meshes", 4 + 32 * wad.statics.size()},
    };
}

std::vector<Section> swdLayout(const SpriteWad& swd) {
    return {
        {"sprite textures", 4 + 16 * swd.sprites.size()},
        {"page bytes", 4 + swd.page.size()},
        {"sprite sequences", 4 + 8 * swd.sequences.size()},
    };
}

// Loads the real file; the sections must add up to its size.
std::unique_ptr<FileRecord> loadReal(uint32_t type, const std::string& set, ParseContext& context) {
    auto record = makeFileRecord(type, test::testDataPath("trle/graphics/wads"), set);
    EXPECT_TRUE(loadFile(*record, context)) << record->path;
    return record;
}

uint64_t layoutBytes(const std::vector<Section>& layout) {
    uint64_t bytes = 4;  // the version
    for (const Section& section : layout)
        bytes += section.bytes;
    return bytes;
}

// Cuts the file in the middle of each section and one byte before its end: each cut is refused
// with one message naming the section. `problem` words the message for a section name.
void expectCutsRefused(const FileRecord& whole, const std::vector<Section>& layout,
                       const std::function<std::string(const std::string&)>& problem) {
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    auto expectRefusal = [&](uint64_t length, const std::string& expected) {
        rec.messages.clear();
        EXPECT_FALSE(test::parseCut(whole, length, context)) << length;
        EXPECT_EQ(rec.onlyMessage().text, whole.path + " cannot be read:\n" + expected) << length;
    };
    expectRefusal(3, "the file ends before its version number");
    uint64_t start = 4;
    for (const Section& section : layout) {
        expectRefusal(start + section.bytes / 2, problem(section.name));
        expectRefusal(start + section.bytes - 1, problem(section.name));
        start += section.bytes;
    }
}

TEST(RealWadSets, EveryWadReadsToItsEndAndRefusesItsCuts) {
    KAVRIN_REQUIRE_DATA(test::realTrleDirectory());
    for (const char* set : SETS) {
        SCOPED_TRACE(set);
        test::RecordingUi rec;
        ParseContext context{rec.ui};
        std::unique_ptr<FileRecord> record = loadReal(FILE_WAD, set, context);
        ASSERT_TRUE(record->contents.has_value());
        EXPECT_TRUE(rec.messages.empty());
        const ObjectWad& wad = *std::any_cast<ObjectWad>(&record->contents);
        std::vector<Section> layout = wadLayout(wad);
        EXPECT_EQ(layoutBytes(layout), record->size);
        EXPECT_EQ(wad.version, 129u);
        expectCutsRefused(*record, layout, [](const std::string& name) {
            return "the " + name + " section runs past the end of the file";
        });
    }
}

TEST(RealWadSets, EverySpriteWadReadsToItsEndAndRefusesItsCuts) {
    KAVRIN_REQUIRE_DATA(test::realTrleDirectory());
    for (const char* set : SETS) {
        SCOPED_TRACE(set);
        test::RecordingUi rec;
        ParseContext context{rec.ui};
        std::unique_ptr<FileRecord> record = loadReal(FILE_SWD, set, context);
        ASSERT_TRUE(record->contents.has_value());
        const SpriteWad& swd = *std::any_cast<SpriteWad>(&record->contents);
        std::vector<Section> layout = swdLayout(swd);
        EXPECT_EQ(layoutBytes(layout), record->size);
        expectCutsRefused(*record, layout, [](const std::string& name) {
            return "the " + name + " run past the end of the file";
        });
    }
}

TEST(RealWadSets, Tut1HoldsItsKnownCounts) {
    KAVRIN_REQUIRE_DATA(test::realTrleDirectory());
    test::RecordingUi rec;
    ParseContext context{rec.ui};
    std::unique_ptr<FileRecord> wadRecord = loadReal(FILE_WAD, "tut1", context);
    std::unique_ptr<FileRecord> swdRecord = loadReal(FILE_SWD, "tut1", context);
    ASSERT_TRUE(wadRecord->contents.has_value() && swdRecord->contents.has_value());
    const ObjectWad& wad = *std::any_cast<ObjectWad>(&wadRecord->contents);
    EXPECT_EQ(wad.moveables.size(), 109u);
    EXPECT_EQ(wad.statics.size(), 11u);
    EXPECT_EQ(wad.animations.size(), 731u);
    EXPECT_EQ(wad.textures.size(), 1581u);
    EXPECT_EQ(wad.texturePages.size(), 11u * TEXTURE_PAGE_BYTES);
    EXPECT_EQ(wad.meshInfos.size(), 301u);
    EXPECT_EQ(wad.meshPointers.size(), 506u);
    const SpriteWad& swd = *std::any_cast<SpriteWad>(&swdRecord->contents);
    EXPECT_EQ(swd.sprites.size(), 37u);
    EXPECT_EQ(swd.sequences.size(), 2u);
}

}  // namespace
}  // namespace kavrin
