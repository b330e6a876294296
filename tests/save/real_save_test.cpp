// Saving the Level Editor's own sets and mixtures of them, and reading the result back.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "support/mixed_set.h"
#include "support/parsed_file.h"
#include "support/save_session.h"
#include "support/saved_objects.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

struct RealSave : test::RealSession {
    std::string shippedBytes(const std::string& name, uint32_t type) {
        return test::readBytes(resolveExistingPath(
            deriveFileRecord(*makeFileRecord(FILE_WAS, session.wadDirectory, name), type)->path));
    }

    // Every occupied slot of the edited WAD is in the saved set and holds the same object,
    // compared with the source it was taken from; the saved set holds nothing else.
    void expectSavedAsPlaced(const ReferenceSource& saved) {
        const EditedWad& edited = session.edited;
        std::map<uint32_t, uint32_t> savedIndexOfSlot;
        for (const ObjectEntry& entry : saved.entries)
            savedIndexOfSlot.emplace(entry.slot, entry.kindIndex);
        EXPECT_EQ(saved.entries.size(), edited.occupiedCount);
        for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
            const ObjectEntry* placed = edited.slotTable[slot];
            if (!placed) continue;
            SCOPED_TRACE(format("slot %u (%s) from %s", slot,
                                std::string(slotName(session, slot)).c_str(),
                                placed->owner->fileName.c_str()));
            auto found = savedIndexOfSlot.find(slot);
            ASSERT_NE(found, savedIndexOfSlot.end());
            if (slot == SKY_GRAPHICS_SLOT || slot == DEFAULT_SPRITES_SLOT) continue;
            const ReferenceSource& source = *placed->owner;
            test::SavedFrom from{
                source.block, saved.block, [&](uint32_t moveable) -> std::optional<uint32_t> {
                    for (uint32_t s = 0; s < FIRST_STATIC_SLOT; ++s) {
                        const ObjectEntry* e = edited.slotTable[s];
                        if (e && e->owner == &source && e->kindIndex == moveable && e->isMoveable) {
                            return savedIndexOfSlot.at(s);
                        }
                    }
                    return std::nullopt;
                }};
            if (slot < FIRST_STATIC_SLOT) {
                EXPECT_EQ(test::moveableDifference(from, placed->kindIndex, found->second), "");
            } else {
                EXPECT_EQ(saved.block.staticMeshes[found->second].staticNumber,
                          slot - FIRST_STATIC_SLOT);
                EXPECT_EQ(test::staticDifference(source.block, placed->kindIndex, saved.block,
                                                 found->second),
                          "");
            }
        }
    }

    // Opens the shipped set, saves it whole under another name and checks what must survive.
    void resaveWhole(const std::string& name, int objects, int bytes, const char* megabytes,
                     int tiles) {
        SCOPED_TRACE(name);
        openShipped(name);
        recording.messages.clear();
        ASSERT_TRUE(save());
        EXPECT_EQ(recording.onlyMessage().title, "Wad Saved");
        EXPECT_EQ(recording.onlyMessage().text,
                  format("%s%cout.WAS\n\nThis wad uses %d texture objects.\n\nAnd uses %d bytes "
                         "(%sMB) of texture memory, approximately %d out of 16 texture tiles.",
                         directory.c_str(), PATH_SEPARATOR, objects, bytes, megabytes, tiles));
        EXPECT_EQ(session.edited.editedWasFile->name, "out");
        EXPECT_EQ(view.title, "out - Kavrin v2.00");
        for (uint32_t type : {FILE_SAM, FILE_SFX, FILE_SWD}) {
            EXPECT_EQ(savedFile(fileType(type).extension), shippedBytes(name, type))
                << fileType(type).extension;
        }
        std::unique_ptr<ReferenceSource> saved = loadSaved();
        ASSERT_NE(saved, nullptr);
        expectWadSameButTextures(*session.edited.editedSource, *saved);
        expectSavedAsPlaced(*saved);
    }

    // The .WAD as shipped and as saved differ only in the object textures, the pages, the texture
    // words of the meshes and dispatches to animations the set does not have.
    static void expectWadSameButTextures(const ReferenceSource& shipped,
                                         const ReferenceSource& saved) {
        const ObjectWad& a = *std::any_cast<ObjectWad>(&shipped.wadFile->contents);
        const ObjectWad& b = *std::any_cast<ObjectWad>(&saved.wadFile->contents);
        EXPECT_EQ(a.version, b.version);
        EXPECT_EQ(a.meshPointers, b.meshPointers);
        EXPECT_EQ(a.meshWordCount, b.meshWordCount);
        EXPECT_EQ(a.animations, b.animations);
        EXPECT_EQ(a.stateChanges, b.stateChanges);
        EXPECT_EQ(a.commands, b.commands);
        EXPECT_EQ(a.meshTrees, b.meshTrees);
        EXPECT_EQ(a.frames, b.frames);
        EXPECT_EQ(a.moveables, b.moveables);
        EXPECT_EQ(a.statics, b.statics);
        ASSERT_EQ(a.dispatches.size(), b.dispatches.size());
        for (size_t d = 0; d < a.dispatches.size(); ++d) {
            Dispatch expected = a.dispatches[d];
            if (expected.nextAnimation >= a.animations.size())
                expected.nextAnimation = NO_ANIMATION;
            EXPECT_EQ(b.dispatches[d], expected) << "dispatch " << d;
        }
        ASSERT_EQ(a.meshInfos.size(), b.meshInfos.size());
        for (size_t m = 0; m < a.meshInfos.size(); ++m) {
            MeshInfo withoutTextures = b.meshInfos[m];
            for (size_t p = 0; p < withoutTextures.polygons.size(); ++p) {
                withoutTextures.polygons[p].texture = a.meshInfos[m].polygons.at(p).texture;
            }
            EXPECT_EQ(a.meshInfos[m], withoutTextures) << "mesh " << m;
        }
    }
};

const ObjectEntry& entryOfSlot(const ReferenceSource& source, uint32_t slot) {
    for (const ObjectEntry& entry : source.entries) {
        if (entry.slot == slot) return entry;
    }
    ADD_FAILURE() << source.fileName << " has no object in slot " << slot;
    return source.rootEntry;
}

TEST_F(RealSave, ShippedSetsSavedWholeUnderANewName) {
    resaveWhole("tut1", 1581, 2663600, "2.54", 11);
    resaveWhole("karnak", 1757, 2096784, "2.00", 8);
    resaveWhole("title", 951, 2091368, "1.99", 8);
}

// cleopal's sky is one sprite and its default sprites start at row 0: taken together they are
// written as the set has them.
TEST_F(RealSave, SpritesWhoseSlotsComeFromOneSetAreKeptWhateverTheirLayout) {
    openShipped("cleopal");
    ASSERT_TRUE(save());
    EXPECT_EQ(savedFile(".SWD"), shippedBytes("cleopal", FILE_SWD));
}

TEST_F(RealSave, ASetOfObjectsFromSeveralSourcesKeepsEachAsItsSourceHasIt) {
    ReferenceSource* level = loadLevelReference(
        session, makeFileRecord(FILE_REFERENCE, (fs::path(trle) / "data").string(), "title"));
    ReferenceSource* tut1 = loadShipped("tut1");
    ReferenceSource* karnak = loadShipped("karnak");
    ReferenceSource* coastal = loadShipped("coastal");
    ReferenceSource* title = loadShipped("title");
    ASSERT_TRUE(level && tut1 && karnak && coastal && title);

    auto place = [&](ReferenceSource& source, const ObjectEntry& entry) {
        placeEntries(session, source, entry.index, entry.index);
    };
    // A tut1 moveable whose dispatches lead into another, with that other one.
    place(*tut1, entryOfSlot(*tut1, 429));
    place(*tut1, entryOfSlot(*tut1, 437));
    // The sky from karnak, the default sprites (one sequence, so moved down) from title.
    place(*karnak, entryOfSlot(*karnak, SKY_GRAPHICS_SLOT));
    place(*title, entryOfSlot(*title, DEFAULT_SPRITES_SLOT));
    // The level, made from the title set, leaves that set its static meshes.
    std::vector<int> placed = test::fillFreeSlots(
        session, {{level, false}, {coastal, true}, {karnak, true}, {title, true}, {tut1, true}});
    for (int count : placed)
        EXPECT_GT(count, 0);

    ASSERT_TRUE(save());
    std::unique_ptr<ReferenceSource> saved = loadSaved();
    ASSERT_NE(saved, nullptr) << recording.messages.back().text;
    expectSavedAsPlaced(*saved);
    EXPECT_NE(savedFile(".WAS").find(":Z:\\TR4\\title\\"), std::string::npos);

    const ObjectSourceBlock& sprites = saved->block;
    const ObjectSourceBlock& sky = karnak->block;
    const ObjectSourceBlock& defaults = title->block;
    ASSERT_EQ(sprites.spriteTextures.size(), 37u);
    EXPECT_TRUE(std::equal(sky.spriteTextures.begin(), sky.spriteTextures.begin() + 4,
                           sprites.spriteTextures.begin()));
    for (size_t i = 0; i < 33; ++i) {
        SpriteTexture moved = defaults.spriteTextures[i];
        moved.bytes[1] = static_cast<uint8_t>(moved.bytes[1] + 64);
        EXPECT_EQ(sprites.spriteTextures[4 + i], moved) << "default sprite " << i;
    }
    const size_t rows64 = 64 * 768;
    EXPECT_TRUE(std::equal(sky.spriteData.begin(), sky.spriteData.begin() + rows64,
                           sprites.spriteData.begin()));
    EXPECT_TRUE(std::equal(defaults.spriteData.begin(), defaults.spriteData.begin() + 2 * rows64,
                           sprites.spriteData.begin() + rows64));
    ASSERT_EQ(sprites.spriteSequences.size(), 2u);
    EXPECT_EQ(sprites.spriteSequences[0], sky.spriteSequences[0]);
    EXPECT_EQ(sprites.spriteSequences[1].firstSprite, 4u);
}

}  // namespace
}  // namespace kavrin
