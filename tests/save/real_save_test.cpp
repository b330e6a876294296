// Saving the Level Editor's own sets and mixtures of them, and reading the result back.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

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
            SCOPED_TRACE(format("slot %u from %s", slot, placed->owner->fileName.c_str()));
            ASSERT_TRUE(savedIndexOfSlot.contains(slot));
            const uint32_t savedIndex = savedIndexOfSlot[slot];
            const ReferenceSource& source = *placed->owner;
            if (slot == SKY_GRAPHICS_SLOT || slot == DEFAULT_SPRITES_SLOT) continue;
            if (slot >= FIRST_STATIC_SLOT) {
                EXPECT_EQ(test::staticDifference(source.block, placed->kindIndex, saved.block,
                                                 savedIndex),
                          "");
                continue;
            }
            // Links into another moveable of the source lead to that moveable's copy.
            auto copyOf = [&](uint32_t moveable) -> std::optional<uint32_t> {
                for (uint32_t s = 0; s < FIRST_STATIC_SLOT; ++s) {
                    const ObjectEntry* e = edited.slotTable[s];
                    if (e && e->owner == &source && e->isMoveable && e->kindIndex == moveable)
                        return savedIndexOfSlot.at(s);
                }
                return std::nullopt;
            };
            EXPECT_EQ(test::moveableDifference({source.block, saved.block, copyOf},
                                               placed->kindIndex, savedIndex),
                      "");
        }
    }

    // Opens the shipped set, saves it whole under another name and checks what must survive: the
    // summary, the sound and sprite files byte for byte, the .WAD but for its textures, and every
    // object with the pixels under its polygons.
    void resaveWhole(const std::string& name, int objects, int bytes, const char* megabytes,
                     int tiles) {
        SCOPED_TRACE(name);
        openShipped(name);
        // Opened, the set is placed as it is, nothing unsaved, and is no reference.
        const EditedWad& edited = session.edited;
        EXPECT_FALSE(edited.dirty);
        EXPECT_EQ(edited.sourceFile[edited.editedSource->entries[0].slot], name + ".WAS");
        EXPECT_EQ(view.title, name + " - Kavrin v2.00");
        EXPECT_TRUE(session.references.empty() && view.roots.empty());
        recording.messages.clear();
        ASSERT_TRUE(save());
        EXPECT_EQ(recording.onlyMessage().title, "Wad Saved");
        EXPECT_EQ(recording.onlyMessage().text,
                  format("%s%cout.WAS\n\nThis wad uses %d texture objects.\n\nAnd uses %d bytes "
                         "(%sMB) of texture memory, approximately %d out of 16 texture tiles.",
                         directory.c_str(), PATH_SEPARATOR, objects, bytes, megabytes, tiles));
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
        ObjectWad expected = *std::any_cast<ObjectWad>(&shipped.wadFile->contents);
        const ObjectWad& b = *std::any_cast<ObjectWad>(&saved.wadFile->contents);
        for (Dispatch& dispatch : expected.dispatches) {
            if (dispatch.nextAnimation >= expected.animations.size())
                dispatch.nextAnimation = NO_ANIMATION;
        }
        for (size_t m = 0; m < expected.meshInfos.size() && m < b.meshInfos.size(); ++m) {
            for (size_t p = 0; p < expected.meshInfos[m].polygons.size(); ++p)
                expected.meshInfos[m].polygons[p].texture = b.meshInfos[m].polygons.at(p).texture;
        }
        auto kept = [](const ObjectWad& w) {
            return std::tie(w.version, w.meshPointers, w.meshWordCount, w.meshInfos, w.animations,
                            w.stateChanges, w.dispatches, w.commands, w.meshTrees, w.frames,
                            w.moveables, w.statics);
        };
        EXPECT_TRUE(kept(expected) == kept(b));
    }
};

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
        session, makeFileRecord(FILE_REFERENCE, trle + PATH_SEPARATOR + "data", "title"));
    ReferenceSource* tut1 = loadShipped("tut1");
    ReferenceSource* karnak = loadShipped("karnak");
    ReferenceSource* coastal = loadShipped("coastal");
    ReferenceSource* title = loadShipped("title");
    ASSERT_TRUE(level && tut1 && karnak && coastal && title);
    auto place = [&](ReferenceSource& source, uint32_t slot) {
        auto entry = std::ranges::find(source.entries, slot, &ObjectEntry::slot);
        ASSERT_NE(entry, source.entries.end()) << source.fileName << " has no slot " << slot;
        placeEntries(session, source, entry->index, entry->index);
    };
    // A tut1 moveable whose dispatches lead into another, with that other one; the sky from
    // karnak, the default sprites (one sequence, so moved down) from title. The level, made from
    // the title set, leaves that set its static meshes.
    place(*tut1, 429);
    place(*tut1, 437);
    place(*karnak, SKY_GRAPHICS_SLOT);
    place(*title, DEFAULT_SPRITES_SLOT);
    std::vector<int> placed = test::fillFreeSlots(
        session, {{level, false}, {coastal, true}, {karnak, true}, {title, true}, {tut1, true}});
    EXPECT_EQ(std::ranges::count(placed, 0), 0);

    ASSERT_TRUE(save());
    std::unique_ptr<ReferenceSource> saved = loadSaved();
    ASSERT_NE(saved, nullptr) << recording.messages.back().text;
    expectSavedAsPlaced(*saved);
    EXPECT_NE(savedFile(".WAS").find(":Z:\\TR4\\title\\"), std::string::npos);

    // The sky's sprites and rows first, then the default sprites moved down below them.
    const ObjectSourceBlock &out = saved->block, &sky = karnak->block, &defaults = title->block;
    ASSERT_EQ(out.spriteTextures.size(), 37u);
    EXPECT_TRUE(std::equal(sky.spriteTextures.begin(), sky.spriteTextures.begin() + 4,
                           out.spriteTextures.begin()));
    for (size_t i = 0; i < 33; ++i) {
        SpriteTexture moved = defaults.spriteTextures[i];
        moved.bytes[1] = static_cast<uint8_t>(moved.bytes[1] + 64);
        EXPECT_EQ(out.spriteTextures[4 + i], moved) << "default sprite " << i;
    }
    const size_t rows64 = 64 * TEXTURE_ROW_BYTES;
    EXPECT_TRUE(std::equal(sky.spriteData.begin(), sky.spriteData.begin() + rows64,
                           out.spriteData.begin()));
    EXPECT_TRUE(std::equal(defaults.spriteData.begin(), defaults.spriteData.begin() + 2 * rows64,
                           out.spriteData.begin() + rows64));
    ASSERT_EQ(out.spriteSequences.size(), 2u);
    EXPECT_EQ(out.spriteSequences[0], sky.spriteSequences[0]);
    EXPECT_EQ(out.spriteSequences[1].firstSprite, 4u);
}

}  // namespace
}  // namespace kavrin
