// Saving the Level Editor's own sets and mixtures of them, and reading the result back.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "build/save_pipeline.h"
#include "editing/edited_wad_commands.h"
#include "editing/objects_h_location.h"
#include "editing/reference_collection.h"
#include "editing/wad_commands.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"
#include "support/editing_session.h"
#include "support/parsed_file.h"
#include "support/saved_objects.h"
#include "support/test_data.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

std::string join(std::string path, std::string_view part) {
    joinPath(path, part);
    return path;
}

struct RealSave : test::EditingSession, ::testing::Test {
    void SetUp() override {
        KAVRIN_REQUIRE_DATA(trle);
        ASSERT_TRUE(locateObjectsH(session, &trle));
    }

    void openForEditing(const std::string& name) {
        recording.fileChoices = {FileChoice{join(session.wadDirectory, name + ".WAS"), 1}};
        openWadForEditing(session);
        ASSERT_NE(session.edited.editedSource, nullptr);
    }
    ReferenceSource* reference(const std::string& name) {
        return loadWadSetReference(session, *makeFileRecord(FILE_WAS, session.wadDirectory, name));
    }
    bool save(const std::string& directory, const std::string& name) {
        return saveWadSet(session, *makeFileRecord(FILE_WAS, directory, name));
    }
    std::unique_ptr<ReferenceSource> loadSaved(const std::string& directory,
                                               const std::string& name) {
        return loadUnlinkedWadSet(session, *makeFileRecord(FILE_WAS, directory, name));
    }
    std::string shippedBytes(const std::string& name, uint32_t type) {
        return test::readBytes(resolveExistingPath(
            deriveFileRecord(*makeFileRecord(FILE_WAS, session.wadDirectory, name), type)->path));
    }

    // Every occupied slot of the edited WAD is in the saved set and holds the same object,
    // compared with the source it was taken from; the saved set holds nothing else.
    void expectSavedAsPlaced(const ReferenceSource& saved) {
        const EditedWad& edited = session.edited;
        std::map<uint32_t, uint32_t> savedIndexOfSlot;
        for (const ObjectEntry& entry : saved.entries) savedIndexOfSlot.emplace(entry.slot, entry.kindIndex);
        EXPECT_EQ(saved.entries.size(), edited.occupiedCount);
        for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
            const ObjectEntry* placed = edited.slotTable[slot];
            if (!placed) continue;
            SCOPED_TRACE(format("slot %u (%s) from %s", slot, std::string(slotName(session, slot)).c_str(),
                                placed->owner->fileName.c_str()));
            auto found = savedIndexOfSlot.find(slot);
            ASSERT_NE(found, savedIndexOfSlot.end());
            if (slot == SKY_GRAPHICS_SLOT || slot == DEFAULT_SPRITES_SLOT) continue;
            const ReferenceSource& source = *placed->owner;
            test::SavedFrom from{source.block, saved.block, [&](uint32_t moveable) -> std::optional<uint32_t> {
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
                EXPECT_EQ(test::soundDifference(from, placed->kindIndex), "");
            } else {
                EXPECT_EQ(saved.block.staticMeshes[found->second].staticNumber, slot - FIRST_STATIC_SLOT);
                EXPECT_EQ(test::staticDifference(source.block, placed->kindIndex, saved.block,
                                                 found->second),
                          "");
            }
        }
    }

    // Opens the shipped set, saves it whole under another name and checks what must survive.
    void resaveWhole(const std::string& name, int objects, int bytes, const char* megabytes,
                     int tiles) {
        openForEditing(name);
        std::string directory = test::makeTempDirectory("resave-" + name);
        recording.messages.clear();
        ASSERT_TRUE(save(directory, "copy"));
        EXPECT_EQ(recording.onlyMessage().title, "Wad Saved");
        EXPECT_EQ(recording.onlyMessage().text,
                  format("%s%ccopy.WAS\n\nThis wad uses %d texture objects.\n\nAnd uses %d bytes "
                         "(%sMB) of texture memory, approximately %d out of 16 texture tiles.",
                         directory.c_str(), PATH_SEPARATOR, objects, bytes, megabytes, tiles));
        EXPECT_EQ(session.edited.editedWasFile->name, "copy");
        EXPECT_EQ(view.title, "copy - Kavrin v2.00");

        for (uint32_t type : {FILE_SAM, FILE_SFX, FILE_SWD}) {
            EXPECT_EQ(test::readBytes(join(directory, std::string("copy") + fileType(type).extension)),
                      shippedBytes(name, type))
                << fileType(type).extension;
        }
        std::unique_ptr<ReferenceSource> saved = loadSaved(directory, "copy");
        ASSERT_NE(saved, nullptr);
        expectWadSameButTextures(*session.edited.editedSource, *saved);
        expectSavedAsPlaced(*saved);
    }

    // The .WAD as shipped and as saved differ only in the object textures, the pages, the texture
    // words of the meshes and dispatches to animations the set does not have.
    static void expectWadSameButTextures(const ReferenceSource& shipped, const ReferenceSource& saved) {
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
            if (expected.nextAnimation >= a.animations.size()) expected.nextAnimation = NO_ANIMATION;
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

    std::string trle = test::realTrleDirectory();
};

TEST_F(RealSave, Tut1SavedWholeUnderANewName) {
    resaveWhole("tut1", 1581, 2663600, "2.54", 11);
}

TEST_F(RealSave, KarnakSavedWhole) { resaveWhole("karnak", 1757, 2096784, "2.00", 8); }

TEST_F(RealSave, TitleSavedWhole) { resaveWhole("title", 951, 2091368, "1.99", 8); }

}  // namespace
}  // namespace kavrin
