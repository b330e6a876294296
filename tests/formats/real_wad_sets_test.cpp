// The WAD sets shipped with the Level Editor: every .WAD and .SWD reads exactly to its end, and
// every copy cut short inside a section is refused with one message naming that section.
#include <gtest/gtest.h>

#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

// Parses the first `length` bytes of a loaded file as its type would if the file ended there,
// laid out as loadFile lays out a file, NUL included.
bool parseCut(const FileRecord& whole, size_t length, ParseContext& context) {
    FileRecord cut;
    cut.type = whole.type;
    cut.path = whole.path;
    cut.directory = whole.directory;
    cut.name = whole.name;
    cut.size = static_cast<uint32_t>(length);
    cut.buffer.assign(whole.buffer.begin(), whole.buffer.begin() + static_cast<ptrdiff_t>(length));
    cut.buffer.push_back(0);
    return fileType(cut.type).parse(cut, context);
}

struct Section {
    std::string problem;  // how a cut inside it is reported
    uint64_t bytes;       // its count field included
};

// The file layout worked out from the parsed counts, section by section after the version.
std::vector<Section> layoutOf(const FileRecord& record) {
    auto wadSection = [](const char* name, uint64_t bytes) {
        return Section{std::string("the ") + name + " section runs past the end of the file",
                       4 + bytes};
    };
    if (const ObjectWad* wad = std::any_cast<ObjectWad>(&record.contents)) {
        return {wadSection("Textures", 8 * wad->textures.size()),
                wadSection("Textures", wad->texturePages.size()),
                wadSection("Mesh Pointers", 4 * wad->meshPointers.size()),
                wadSection("Meshes", 2 * uint64_t{wad->meshWordCount}),
                wadSection("Animations", 40 * wad->animations.size()),
                wadSection("States", 6 * wad->stateChanges.size()),
                wadSection("Dispatches", 8 * wad->dispatches.size()),
                wadSection("Animation Commands", 2 * wad->commands.size()),
                wadSection("Mesh Trees", 4 * wad->meshTrees.size()),
                wadSection("Frames", 2 * wad->frames.size()),
                wadSection("Moveables", 18 * wad->moveables.size()),
                wadSection("Static Meshes", 32 * wad->statics.size())};
    }
    const SpriteWad& swd = *std::any_cast<SpriteWad>(&record.contents);
    return {{"the sprite textures run past the end of the file", 4 + 16 * swd.sprites.size()},
            {"the page bytes run past the end of the file", 4 + swd.page.size()},
            {"the sprite sequences run past the end of the file", 4 + 8 * swd.sequences.size()}};
}

TEST(RealWadSets, EveryWadAndSpriteWadReadsToItsEndAndRefusesItsCuts) {
    std::string wads = test::testDataPath("trle/graphics/wads");
    KAVRIN_REQUIRE_DATA(wads);
    for (uint32_t type : {FILE_WAD, FILE_SWD}) {
        for (const char* set : test::SHIPPED_WAD_SETS) {
            test::RecordingUi rec;
            ParseContext context{rec.ui};
            std::unique_ptr<FileRecord> record = makeFileRecord(type, wads, set);
            SCOPED_TRACE(record->path);
            ASSERT_TRUE(loadFile(*record, context));
            EXPECT_TRUE(rec.messages.empty());

            // Cut in the middle of each section and one byte before its end.
            auto expectCutRefused = [&](uint64_t length, const std::string& problem) {
                rec.messages.clear();
                EXPECT_FALSE(parseCut(*record, length, context)) << length;
                EXPECT_EQ(rec.onlyMessage().text,
                          resolveExistingPath(record->path) + " cannot be read:\n" + problem)
                    << length;
            };
            expectCutRefused(3, "the file ends before its version number");
            uint64_t start = 4;
            for (const Section& section : layoutOf(*record)) {
                expectCutRefused(start + section.bytes / 2, section.problem);
                expectCutRefused(start + section.bytes - 1, section.problem);
                start += section.bytes;
            }
            EXPECT_EQ(start, record->size);
        }
    }
}

}  // namespace
}  // namespace kavrin
