#include "support/made_sources.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editing/reference_collection.h"
#include "formats/sound_files.h"
#include "formats/swd.h"
#include "formats/wad.h"
#include "framework/file_types.h"
#include "framework/text_format.h"

namespace kavrin::test {

std::unique_ptr<ReferenceSource> madeWadSet(Ui& ui, const std::string& name,
                                            const SetObjects& objects) {
    std::unique_ptr<ReferenceSource> source = makeReferenceSource(REF_WAD_SET, name);
    ObjectWad wad;
    for (uint32_t id : objects.moveables)
        wad.moveables.push_back(Moveable{.slot = id});
    for (uint32_t number : objects.statics)
        wad.statics.push_back(StaticMesh{.staticNumber = number});
    SpriteWad swd;
    for (uint32_t slot : objects.spriteSequences)
        swd.sequences.push_back(SpriteSequence{.slot = slot});
    auto record = [&](uint32_t type, auto contents) {
        std::unique_ptr<FileRecord> made = makeFileRecord(type, "made", name);
        made->contents = std::move(contents);
        return made;
    };
    source->wadFile = record(FILE_WAD, std::move(wad));
    source->swdFile = record(FILE_SWD, std::move(swd));
    source->sfxFile = record(FILE_SFX, SoundResources{});
    source->samFile = record(FILE_SAM, SoundNames{});
    EXPECT_TRUE(buildEntryTable(ui, *source));
    return source;
}

ObjectCatalogue labelledCatalogue() {
    ObjectCatalogue catalogue;
    catalogue.version = OBJECT_VERSION;
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        catalogue.labels[slot] = slot < FIRST_STATIC_SLOT
                                     ? format("OBJECT_%03u", slot)
                                     : format("STATIC_%02u", slot - FIRST_STATIC_SLOT);
    }
    catalogue.labels[0] = "LARA";
    catalogue.labels[SKY_GRAPHICS_SLOT] = "SKY_GRAPHICS";
    catalogue.labels[DEFAULT_SPRITES_SLOT] = "DEFAULT_SPRITES";
    catalogue.labels[MISC_SPRITES_SLOT] = "MISC_SPRITES";
    // Indexed as the reader indexes objects.h, so label lookups (loading a .WAS) find them.
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        catalogue.index.push_back({catalogue.labels[slot], slot});
    }
    std::sort(catalogue.index.begin(), catalogue.index.end(),
              [](const LabelIndexEntry& a, const LabelIndexEntry& b) {
                  return compareLabels(a, b) < 0;
              });
    return catalogue;
}

}  // namespace kavrin::test
