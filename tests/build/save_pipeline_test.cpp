// The save pipeline on small sets made in the test: what it writes, renumbers and refuses.
#include <gtest/gtest.h>

#include "editing/save_wad.h"
#include "editing/wad_commands.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "support/save_session.h"

namespace kavrin {
namespace {

using test::SaveSession;
using test::SyntheticSet;

SyntheticSet setOf(const test::SyntheticWad& wad) {
    SyntheticSet set;
    set.wad = wad;
    return set;
}

std::string summary(const SaveSession& s, const char* rest) {
    return format("%s%cout.WAS\n\nThis wad uses %s", s.directory.c_str(), PATH_SEPARATOR, rest);
}

ObjectTexture pixel(uint32_t i) {
    return ObjectTexture{.x = static_cast<uint8_t>(i % 256), .y = static_cast<uint8_t>(i / 256)};
}

std::vector<ObjectTexture> pixels(uint32_t count) {
    std::vector<ObjectTexture> textures;
    for (uint32_t i = 0; i < count; ++i) textures.push_back(pixel(i));
    return textures;
}

TEST(SavePipeline, AnEmptyWadWritesEmptyFilesAndReportsNoTextureMemory) {
    SaveSession s;
    ASSERT_TRUE(s.save());
    EXPECT_EQ(s.recording.onlyMessage().style, MessageStyle::InformationOk);
    EXPECT_EQ(s.recording.onlyMessage().title, "Wad Saved");
    EXPECT_EQ(s.recording.onlyMessage().text,
              summary(s, "1 texture objects.\n\nAnd uses 0 bytes (0.00MB) of texture memory, "
                         "approximately 0 out of 16 texture tiles."));
    EXPECT_EQ(s.recording.progress.front().caption, "Saving out Wad...");
    EXPECT_EQ(s.recording.progress.front().rangeEnd, 3360);
    EXPECT_EQ(s.recording.progressTexts(),
              (std::vector<std::string>{"Initializing", "Generating moveables and static meshes",
                                        "Generating sounds", "Updating animations",
                                        "Generating texture image", "Sorting textures",
                                        "Saving object textures", "Saving out.SAM",
                                        "Saving out.SFX", "Saving out.SWD", "Saving out.WAD",
                                        "Saving out.WAS"}));
    EXPECT_FALSE(s.session.ui.progress.visible);
    EXPECT_EQ(s.savedFile(".SAM"), "");
    EXPECT_EQ(s.savedFile(".WAS"), "");
    std::string sfx = s.savedFile(".SFX");
    ASSERT_EQ(sfx.size(), 748u);
    EXPECT_EQ(sfx.find_first_not_of('\xFF'), 740u);  // every sound absent, then two zero counts
    EXPECT_EQ(s.savedFile(".SWD").size(), 4 + 4 + 4 + 196608 + 4u);
    // The version, the reserved object texture alone on a blank page (so that it names a page
    // the set has), every other section empty.
    std::string wad = s.savedFile(".WAD");
    EXPECT_EQ(wad, std::string("\x81\0\0\0\x01\0\0\0", 8) + std::string(8, '\0') +
                       std::string("\0\0\x03\0", 4) + std::string(196608 + 10 * 4, '\0'));
    EXPECT_NE(s.loadSaved(), nullptr);
}

TEST(SavePipeline, ObjectsAreRenumberedIntoTheirSlotsAndMeshesStoredOncePerSource) {
    SaveSession s;
    test::SyntheticWad wad = test::animatedWad({5, 6}, 0);
    wad.meshPointers = {0, 0};  // both pointers name the one mesh
    for (Moveable& m : wad.moveables) m.meshCount = 2;
    wad.meshTrees = {1, 2, 3, 4};
    wad.statics = {{.staticNumber = 0, .meshPointer = 1}};
    wad.statics[0].carried[25] = 7;
    ReferenceSource& a = s.load("a", setOf(wad));
    ReferenceSource& b = s.load("b", setOf(wad));  // the same bytes, another source
    s.put(40, a, 0);
    s.put(6, a, 1);
    s.put(7, b, 0);
    s.put(470, a, 2);
    ASSERT_TRUE(s.save());

    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    const ObjectSourceBlock& out = saved->block;
    ASSERT_EQ(out.moveables.size(), 3u);
    EXPECT_EQ(out.moveables[0].slot, 6u);
    EXPECT_EQ(out.moveables[1].slot, 7u);
    EXPECT_EQ(out.moveables[2].slot, 40u);
    ASSERT_EQ(out.staticMeshes.size(), 1u);
    EXPECT_EQ(out.staticMeshes[0].staticNumber, 5u);
    EXPECT_EQ(out.staticMeshes[0].carried[25], 7);
    // One mesh per source; each object still gets mesh pointers of its own, in a row.
    EXPECT_EQ(out.meshInfo.size(), 2u);
    EXPECT_EQ(std::vector(out.meshOfPointer.begin(), out.meshOfPointer.end()),
              (std::vector<uint32_t>{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(out.moveables[2].firstMeshPointer, 4u);
    EXPECT_EQ(out.staticMeshes[0].meshPointer, 6u);
    EXPECT_EQ(std::vector(out.meshTrees.begin(), out.meshTrees.end()),
              (std::vector<uint32_t>{1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4}));
    EXPECT_EQ(out.moveables[2].meshTreeIndex, 8u);
    // The reserved entry, then one texture per source, each polygon pointing at its own.
    ASSERT_EQ(out.textures.size(), 3u);
    EXPECT_EQ(out.meshInfo[0].polygons[0].texture, 1);
    EXPECT_EQ(out.meshInfo[1].polygons[0].texture, 2);
    EXPECT_EQ(s.savedFile(".WAS"),
              "OBJECT_006:Z:\\WAD\\a\\OBJECT_006.prk\r\nOBJECT_007:Z:\\WAD\\b\\OBJECT_005.prk\r\n"
              "OBJECT_040:Z:\\WAD\\a\\OBJECT_005.prk\r\nSTATIC_05:Z:\\WAD\\a\\STATIC_00.prk\r\n");
}

// Moveable 5 owns animations 0 and 1, moveable 10 animations 2 and 3; animation 2 has a state
// change whose dispatches lead into moveable 5 and past the source's animations.
SyntheticSet linkedSet() {
    test::SyntheticWad wad = test::animatedWad({5, 10}, 2);
    wad.animations[2].stateChangeCount = 1;
    wad.animations[3].stateChangeCount = 1;  // a state change without dispatches
    wad.animations[3].firstStateChange = 1;
    wad.stateChanges = {{.stateId = 4, .dispatchCount = 2, .firstDispatch = 0},
                        {.stateId = 5, .dispatchCount = 0, .firstDispatch = 2}};
    wad.dispatches = {{.lowFrame = 1, .nextAnimation = 0}, {.lowFrame = 2, .nextAnimation = 99}};
    return setOf(wad);
}

TEST(SavePipeline, EachCopyOfAMoveableLinksToItsOwnAnimations) {
    SaveSession s;
    ReferenceSource& a = s.load("a", linkedSet());
    s.put(5, a, 0);
    s.put(10, a, 1);
    s.put(11, a, 1);  // the same moveable once more
    ASSERT_TRUE(s.save());
    auto saved = s.loadSaved();
    ASSERT_NE(saved, nullptr);
    const ObjectSourceBlock& out = saved->block;
    ASSERT_EQ(out.animations.size(), 6u);
    for (uint16_t a = 0; a < 6; ++a) {
        EXPECT_EQ(out.animations[a].nextAnimation, a) << "animation " << a;
        EXPECT_EQ(out.animations[a].frameOffset, a * 4u);
    }
    EXPECT_EQ(out.moveables[2].firstAnimation, 4u);
    EXPECT_EQ(out.moveables[2].frameOffset, 16u);
    EXPECT_EQ(out.animations[4].firstStateChange, 2u);
    EXPECT_EQ(std::vector(out.stateChanges.begin(), out.stateChanges.end()),
              (std::vector<StateChange>{{4, 2, 0}, {5, 0, 2}, {4, 2, 2}, {5, 0, 4}}));
    EXPECT_EQ(std::vector(out.dispatches.begin(), out.dispatches.end()),
              (std::vector<Dispatch>{{.lowFrame = 1, .nextAnimation = 0},
                                     {.lowFrame = 2, .nextAnimation = NO_ANIMATION},
                                     {.lowFrame = 1, .nextAnimation = 0},
                                     {.lowFrame = 2, .nextAnimation = NO_ANIMATION}}));
}

TEST(SavePipeline, ALinkIntoAMoveableThatIsNotSavedStopsTheSaveBeforeAnythingIsWritten) {
    SaveSession s;
    ReferenceSource& a = s.load("a", linkedSet());
    s.put(10, a, 1);
    s.recording.messages.clear();
    EXPECT_FALSE(s.save());
    const test::RecordedMessage& message = s.recording.onlyMessage();
    EXPECT_EQ(message.style, MessageStyle::ErrorOk);
    EXPECT_EQ(message.title, "Kavrin");
    EXPECT_EQ(message.text,
              "Could not find next animation #0 for dispatch #0 in anim #2, moveable OBJECT_010 in "
              "the output data!\n\nYou need to add the OBJECT_005 moveable from the a.WAS file "
              "for\nthe OBJECT_010 moveable in the a.WAS file to work correctly.");
    EXPECT_TRUE(s.nothingWritten());
    EXPECT_TRUE(s.session.edited.dirty);
    EXPECT_FALSE(s.session.ui.progress.visible);

    // An animation that follows on into the other moveable is refused the same way.
    SyntheticSet followsOn = linkedSet();
    followsOn.wad.animations[2].stateChangeCount = 0;
    followsOn.wad.animations[2].nextAnimation = 1;
    SaveSession t;
    t.put(10, t.load("b", followsOn), 1);
    t.recording.messages.clear();
    EXPECT_FALSE(t.save());
    EXPECT_EQ(t.recording.onlyMessage().title, "Kavrin Internal Error");
    EXPECT_EQ(t.recording.onlyMessage().text,
              "Could not find next animation #1 in the output data!\nThis is for animation #2, "
              "moveable OBJECT_010 in the b.WAS file.\n");
    EXPECT_TRUE(t.nothingWritten());
}

TEST(SavePipeline, TheSummaryCountsTilesFromTheAreaAndWarnsFrom2048TextureObjects) {
    struct Case {
        std::vector<ObjectTexture> textures;
        uint32_t pages;
        const char* text;
    };
    ObjectTexture page{.widthMinusOne = 255, .heightMinusOne = 255};
    ObjectTexture onNextPage{.page = 1};
    const Case cases[] = {
        {{page}, 1, "2 texture objects.\n\nAnd uses 262144 bytes (0.25MB) of texture memory, "
                    "approximately 1 out of 16 texture tiles."},
        {{page, onNextPage}, 2, "3 texture objects.\n\nAnd uses 262148 bytes (0.25MB) of texture "
                                "memory, approximately 2 out of 16 texture tiles."},
        {pixels(2046), 1, "2047 texture objects.\n\nAnd uses 8184 bytes (0.01MB) of texture "
                          "memory, approximately 1 out of 16 texture tiles."},
        {pixels(2047), 1, "2048 texture objects.\nYou may experience transparent objects in the "
                          "Room Editor (>= 2048).\n\nAnd uses 8188 bytes (0.01MB) of texture "
                          "memory, approximately 1 out of 16 texture tiles."},
    };
    for (const Case& c : cases) {
        SaveSession s;
        s.put(1, s.load("t", setOf(test::texturedWad(c.textures, c.pages))), 0);
        s.recording.messages.clear();
        ASSERT_TRUE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().text, summary(s, c.text));
    }
}

TEST(SavePipeline, TablesThatWouldOutgrowTheirIndicesRefuseTheSave) {
    {
        SaveSession s;
        s.put(1, s.load("t", setOf(test::texturedWad(pixels(2100), 1))), 0);
        s.put(2, s.load("u", setOf(test::texturedWad(pixels(2100), 1))), 0);
        s.recording.messages.clear();
        EXPECT_FALSE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().text,
                  "This wad needs 4201 object textures, but a WAD set can hold no more than "
                  "4096.\n\nRemove some objects and save again.");
        EXPECT_TRUE(s.nothingWritten());
    }
    {
        // Two always-included sounds of 600 samples each, from two sources.
        SaveSession s;
        for (uint16_t sound : {0, 1}) {
            SyntheticSet set;
            set.sounds.soundMap[sound] = 0;
            set.sounds.infos = {test::soundInfo(0)};
            set.sounds.sampleValues.assign(600, sound);
            set.sampleNames.assign(600, "s.wav");
            s.load(sound ? "one" : "zero", set);
        }
        s.recording.messages.clear();
        EXPECT_FALSE(s.save());
        EXPECT_EQ(s.recording.onlyMessage().text,
                  "This wad needs 1200 sound samples, but a WAD set can hold no more than "
                  "1000.\n\nRemove some objects and save again.");
        EXPECT_TRUE(s.nothingWritten());
    }
}

TEST(SaveWad, SavingFromTheSaveChangesQuestionClearsTheChangesAndNamesTheWad) {
    SaveSession s;
    s.put(1, s.load("t", setOf(test::animatedWad({1}, 1))), 0);
    std::string chosen = s.directory;
    joinPath(chosen, "mine.WAS");
    s.recording.answers = {Button::Yes};
    s.recording.fileChoices = {FileChoice{chosen, 1}};
    EXPECT_TRUE(askSaveChanges(s.session));
    EXPECT_FALSE(s.session.edited.dirty);
    EXPECT_EQ(s.session.edited.editedWasFile->name, "mine");
    EXPECT_EQ(s.session.edited.editedWasFile->directory, s.directory);
    EXPECT_EQ(s.view.title, "mine - Kavrin v2.00");
    EXPECT_EQ(s.recording.messages.back().title, "Wad Saved");
    EXPECT_NE(s.loadSaved("mine"), nullptr);

    // Saving again under the same name asks nothing; a distributed name is written after Yes.
    s.recording.messages.clear();
    EXPECT_TRUE(saveWad(s.session, false));
    EXPECT_EQ(s.recording.onlyMessage().title, "Wad Saved");
    s.recording.answers = {Button::Yes};
    std::string distributed = s.directory;
    joinPath(distributed, "Tut1.WAS");
    s.recording.fileChoices = {FileChoice{distributed, 1}};
    EXPECT_TRUE(saveWad(s.session, true));
    EXPECT_EQ(s.session.edited.editedWasFile->name, "Tut1");
    EXPECT_NE(s.loadSaved("Tut1"), nullptr);
}

}  // namespace
}  // namespace kavrin
