// The save pipeline on small sets made in the test: what it writes, renumbers and refuses.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>

#include "editing/wad_commands.h"
#include "framework/file_output.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "support/parsed_file.h"
#include "support/save_session.h"
#include "support/saved_objects.h"

namespace kavrin {
namespace {

using test::SaveSession;
using test::SyntheticSet;

std::string summary(const SaveSession& s, const char* rest) {
    return format("%s%cout.WAS\n\nThis wad uses %s", s.directory.c_str(), PATH_SEPARATOR, rest);
}

std::vector<ObjectTexture> pixels(uint32_t count) {
    std::vector<ObjectTexture> textures;
    for (uint32_t i = 0; i < count; ++i) {
        textures.push_back(
            {.x = static_cast<uint8_t>(i % 256), .y = static_cast<uint8_t>(i / 256)});
    }
    return textures;
}

// One moveable in slot 1 whose mesh has a triangle for each texture, on `pageCount` pages.
SyntheticSet texturedSet(const std::vector<ObjectTexture>& textures, uint32_t pageCount) {
    SyntheticSet set;
    set.wad.textures = textures;
    set.wad.pageCount = pageCount;
    MeshInfo mesh = test::triangleMesh(3, 0);
    mesh.polygons.assign(textures.size(), mesh.polygons.front());
    for (size_t i = 0; i < textures.size(); ++i)
        mesh.polygons[i].texture = static_cast<uint16_t>(i);
    set.wad.meshes = {mesh};
    set.wad.meshPointers = {0};
    set.wad.moveables = {{.slot = 1, .meshCount = 1, .firstAnimation = NO_ANIMATION}};
    return set;
}

TEST(SavePipeline, AnEmptyWadWritesEmptyTablesInFileOrder) {
    SaveSession s;
    ASSERT_TRUE(s.save());
    EXPECT_EQ(s.recording.onlyMessage().title, "Wad Saved");
    EXPECT_EQ(s.recording.onlyMessage().text,
              summary(s,
                      "1 texture objects.\n\nAnd uses 0 bytes (0.00MB) of texture memory, "
                      "approximately 0 out of 16 texture tiles."));
    EXPECT_EQ(s.savedFile(".SAM") + s.savedFile(".WAS"), "");
    EXPECT_EQ(s.savedFile(".SFX"), std::string(740, '\xFF') + std::string(8, '\0'));
    // The reserved object texture alone, and no page: nothing uses the texture.
    EXPECT_EQ(s.savedFile(".WAD"), std::string("\x81\0\0\0\x01\0\0\0", 8) + std::string(8, '\0') +
                                       std::string(44, '\0'));
    EXPECT_NE(s.loadSaved(), nullptr);
}

TEST(SavePipeline, ObjectsTakeTheirSlotsAndShareMeshesOnlyWithinTheirSource) {
    SaveSession s;
    SyntheticSet set = test::animatedSet({5, 6}, 0);
    set.wad.meshPointers = {0, 0};  // both pointers name the one mesh
    for (Moveable& m : set.wad.moveables)
        m.meshCount = 2;
    set.wad.meshTrees = {1, 2, 3, 4};
    set.wad.statics = {{.staticNumber = 0, .meshPointer = 1}};
    set.wad.meshes[0].polygons[0].texture = 0xF000;  // texture 0, its index stored negated
    ReferenceSource& a = s.load("a", set);
    ReferenceSource& b = s.load("b", set);  // the same bytes, another source
    s.put(40, a, 0);
    s.put(6, a, 1);
    s.put(7, b, 0);
    s.put(470, a, 2);
    ASSERT_TRUE(s.save());
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    const ObjectSourceBlock& out = saved->block;
    ASSERT_EQ(out.moveables.size(), 3u);
    EXPECT_EQ(out.moveables[2].slot, 40u);
    EXPECT_EQ(out.moveables[2].firstMeshPointer, 4u);
    EXPECT_EQ(out.moveables[2].meshTreeIndex, 8u);
    EXPECT_EQ(out.staticMeshes[0].staticNumber, 5u);
    EXPECT_EQ(out.staticMeshes[0].meshPointer, 6u);
    EXPECT_EQ(std::vector(out.meshOfPointer.begin(), out.meshOfPointer.end()),
              (std::vector<uint32_t>{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(out.textures.size(), 3u);  // the reserved one, then one per source
    EXPECT_EQ(out.meshInfo[1].polygons[0].texture, 0xFFFE);  // texture 2, negated
    // b's texture goes first; a's moves, and its polygons show the pixels they showed in a.
    EXPECT_EQ(test::meshDifference(a.block, 0, out, out.moveables[0].firstMeshPointer), "");
    EXPECT_EQ(s.savedFile(".WAS"),
              "OBJECT_006:Z:\\WAD\\a\\OBJECT_006.prk\r\nOBJECT_007:Z:\\WAD\\b\\OBJECT_005.prk\r\n"
              "OBJECT_040:Z:\\WAD\\a\\OBJECT_005.prk\r\nSTATIC_05:Z:\\WAD\\a\\STATIC_00.prk\r\n");
}

// Moveable 5 owns animations 0 and 1, moveable 10 animations 2 and 3; animation 1 leads on into
// moveable 10, animation 2's dispatches into moveable 5 and past the source's animations.
SyntheticSet linkedSet() {
    SyntheticSet set = test::animatedSet({5, 10}, 2);
    set.wad.animations[1].nextAnimation = 2;
    set.wad.animations[2].stateChangeCount = 1;
    set.wad.animations[3].stateChangeCount = 1;  // a state change without dispatches
    set.wad.animations[3].firstStateChange = 1;
    set.wad.stateChanges = {{4, 2, 0}, {5, 0, 2}};
    set.wad.dispatches = {{.lowFrame = 1, .nextAnimation = 0},
                          {.lowFrame = 2, .nextAnimation = 99}};
    return set;
}

TEST(SavePipeline, EachCopyOfAMoveableLinksToItsOwnAnimations) {
    SaveSession s;
    ReferenceSource& a = s.load("a", linkedSet());
    s.put(5, a, 0);
    s.put(6, a, 0);
    s.put(10, a, 1);
    s.put(11, a, 1);  // every moveable twice
    ASSERT_TRUE(s.save());
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    const ObjectSourceBlock& out = saved->block;
    ASSERT_EQ(out.animations.size(), 8u);
    for (uint16_t a = 0; a < 8; ++a)  // both copies of moveable 5 lead into the first of 10
        EXPECT_EQ(out.animations[a].nextAnimation, a == 1 || a == 3 ? 4 : a);
    EXPECT_EQ(out.moveables[3].frameOffset, 24u);
    EXPECT_EQ(std::vector(out.stateChanges.begin(), out.stateChanges.end()),
              (std::vector<StateChange>{{4, 2, 0}, {5, 0, 2}, {4, 2, 2}, {5, 0, 4}}));
    Dispatch intoFive{.lowFrame = 1, .nextAnimation = 0};
    Dispatch cut{.lowFrame = 2, .nextAnimation = NO_ANIMATION};
    EXPECT_EQ(std::vector(out.dispatches.begin(), out.dispatches.end()),
              (std::vector<Dispatch>{intoFive, cut, intoFive, cut}));
}

TEST(SavePipeline, ALinkIntoAMoveableThatIsNotSavedStopsTheSaveBeforeAnythingIsWritten) {
    SyntheticSet followsOn = linkedSet();
    followsOn.wad.animations[2].stateChangeCount = 0;
    followsOn.wad.animations[2].nextAnimation = 1;
    const std::pair<SyntheticSet, const char*> cases[] = {
        {linkedSet(),
         "Could not find next animation #0 for dispatch #0 in anim #2, moveable OBJECT_010 in the "
         "output data!\n\nYou need to add the OBJECT_005 moveable from the a.WAS file for\nthe "
         "OBJECT_010 moveable in the a.WAS file to work correctly."},
        {followsOn,
         "Could not find next animation #1 in the output data!\nThis is for animation #2, "
         "moveable OBJECT_010 in the a.WAS file.\n"},
    };
    for (const auto& [set, text] : cases) {
        SaveSession s;
        s.put(10, s.load("a", set), 1);
        s.recording.messages.clear();
        EXPECT_FALSE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().text, text);
        EXPECT_TRUE(s.nothingWritten());
        EXPECT_TRUE(s.session.edited.dirty);
    }
}

// The shipped sets' resave checks the summary's tile counts; here, the warning's threshold.
TEST(SavePipeline, TheSummaryWarnsFrom2048TextureObjects) {
    const std::tuple<std::vector<ObjectTexture>, uint32_t, const char*> cases[] = {
        {pixels(2046), 1,
         "2047 texture objects.\n\nAnd uses 8184 bytes (0.01MB) of texture "
         "memory, approximately 1 out of 16 texture tiles."},
        {pixels(2047), 1,
         "2048 texture objects.\nYou may experience transparent objects in the "
         "Room Editor (>= 2048).\n\nAnd uses 8188 bytes (0.01MB) of texture "
         "memory, approximately 1 out of 16 texture tiles."},
    };
    for (const auto& [textures, pages, text] : cases) {
        SaveSession s;
        s.put(1, s.load("t", texturedSet(textures, pages)), 0);
        s.recording.messages.clear();
        ASSERT_TRUE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().text, summary(s, text));
    }
}

// 4096 object textures (the reserved one and 4095 of a source) and 1000 samples (of the two
// always-included sounds 0 and 1, from two sources) are saved; one more of either is refused.
TEST(SavePipeline, TablesAreSavedUpToTheirIndexLimitsAndRefusedPastThem) {
    for (uint32_t more : {0u, 1u}) {
        SaveSession textures;
        textures.put(1, textures.load("t", texturedSet(pixels(4095 + more), 1)), 0);
        SaveSession samples;
        for (uint16_t sound : {0, 1}) {
            SyntheticSet set;
            set.sounds.soundMap[sound] = 0;
            set.sounds.infos = {SoundInfo{}};
            set.sounds.sampleValues.assign(500 + sound * more, sound);
            set.sampleNames.assign(500 + sound * more, "s.wav");
            samples.load(sound ? "one" : "zero", set);
        }
        for (auto [s, text] :
             {std::pair{&textures,
                        "4097 object textures, but a WAD set can hold no more than 4096"},
              std::pair{&samples,
                        "1001 sound samples, but a WAD set can hold no more than 1000"}}) {
            SCOPED_TRACE(text);
            s->recording.messages.clear();
            EXPECT_EQ(s->save(), more == 0);
            if (!more) continue;
            EXPECT_EQ(s->recording.onlyMessage().text,
                      format("This wad needs %s.\n\nRemove some objects and save again.", text));
            EXPECT_TRUE(s->nothingWritten());
        }
    }
}

// Every file of a directory, by name, with its bytes.
std::map<std::string, std::string> filesIn(const std::string& directory) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        files[entry.path().filename().string()] = test::readBytes(entry.path().string());
    return files;
}

// A save replaces the whole set or nothing. The faults come through the file output's seam, as a
// full disk or a locked folder would bring them; a failed rename stands for a save killed between
// two renames, which the next load finishes.
TEST(SavePipeline, ASaveReplacesAllFiveFilesOrNone) {
    const struct {
        FileStep step;
        const char* extension;
        int error;
        const char* reason;
    } cases[] = {
        {FileStep::Write, ".SAM", ENOSPC, "28 (No space left on device)"},
        {FileStep::Write, ".WAS", EACCES, "13 (Permission denied)"},
        {FileStep::Rename, ".WAD", EIO, "5 (Input/output error)"},
    };
    for (const auto& c : cases) {
        SaveSession s;
        ReferenceSource& a = s.load("a", test::animatedSet({5, 6}, 1));
        s.put(5, a, 0);
        test::writeFileText(s.directory + PATH_SEPARATOR + "out.WAD.kavrin-tmp", "left behind");
        ASSERT_TRUE(s.save());
        const auto old = filesIn(s.directory);
        ASSERT_EQ(old.size(), 5u);  // the leftover went with the save
        s.put(6, a, 1);
        setFileFault([&c](FileStep step, const std::string& target) {
            return step == c.step && target.ends_with(c.extension) ? c.error : 0;
        });
        s.recording.messages.clear();
        EXPECT_FALSE(s.save());
        setFileFault({});
        EXPECT_EQ(s.recording.onlyMessage().title + ": " + s.recording.onlyMessage().text,
                  format("Error Writing File: Could not write %s%cout%s: %s.", s.directory.c_str(),
                         PATH_SEPARATOR, c.extension, c.reason));
        EXPECT_TRUE(s.session.edited.dirty);
        if (c.step == FileStep::Write) {
            EXPECT_EQ(filesIn(s.directory), old);
            continue;
        }
        ASSERT_NE(s.loadSaved(), nullptr);
        const auto finished = filesIn(s.directory);
        ASSERT_TRUE(s.save());
        EXPECT_EQ(filesIn(s.directory), finished);
    }
}

}  // namespace
}  // namespace kavrin
