#include "save/save_pipeline.h"

#include <memory>

#include "save/animation_copying.h"
#include "save/object_copying.h"
#include "save/save_checks.h"
#include "save/save_state.h"
#include "save/sound_collection.h"
#include "save/sprite_composition.h"
#include "save/texture_packing.h"
#include "editing/session.h"
#include "framework/file_output.h"
#include "framework/file_types.h"
#include "framework/paths.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

constexpr int PROGRESS_RANGE = 3360;
constexpr uint32_t WRITE_ORDER[] = {FILE_SAM, FILE_SFX, FILE_SWD, FILE_WAD, FILE_WAS};
constexpr uint32_t TRANSPARENCY_WARNING_TEXTURES = 2048;
constexpr float BYTES_TO_MEGABYTES = 9.5367431640625e-07f;

// The entry whose object is copied into the slot; the sprite slots' come with the sprite WAD.
const ObjectEntry* copiedEntry(const EditedWad& edited, uint32_t slot) {
    if (slot == SKY_GRAPHICS_SLOT || slot == DEFAULT_SPRITES_SLOT) return nullptr;
    return edited.slotTable[slot];
}

void copyObjects(SaveState& state) {
    Ui& ui = state.session.ui;
    progressSet(ui, 0, "Generating moveables and static meshes");
    const EditedWad& edited = state.session.edited;
    // Keyframes are most of what is copied (half a megabyte for tut1): their room is made once
    // rather than regrown, and copied again, as they add up.
    size_t frameBytes = 0;
    for (uint32_t slot = 0; slot < FIRST_STATIC_SLOT; ++slot) {
        const ObjectEntry* entry = copiedEntry(edited, slot);
        if (entry) frameBytes += keyframeBytes(*entry->owner, entry->kindIndex);
    }
    state.outFrames.reserve(frameBytes);

    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        progressSet(ui, -1, nullptr);
        const ObjectEntry* entry = copiedEntry(edited, slot);
        if (!entry) continue;
        if (slot < FIRST_STATIC_SLOT) {
            copyMoveable(state, *entry->owner, entry->kindIndex, slot);
        } else {
            copyStaticMesh(state, *entry->owner, entry->kindIndex, slot - FIRST_STATIC_SLOT);
        }
    }
}

bool relinkObjects(SaveState& state) {
    Ui& ui = state.session.ui;
    progressSet(ui, 0, "Updating animations");
    // Moveables were copied in slot order, so the copies are met in the same order.
    auto copy = state.copiedMoveables.begin();
    for (uint32_t slot = 0; slot < OBJECT_SLOT_COUNT; ++slot) {
        progressSet(ui, -1, nullptr);
        if (copy == state.copiedMoveables.end() || copy->slot != slot) continue;
        if (!relinkAnimations(state, *copy++)) return false;
    }
    return true;
}

// Everything up to the files themselves; false, after a message, when the save must not go on.
bool buildSet(SaveState& state) {
    if (!checkSlotKinds(state) || !composeSprites(state)) return false;
    copyObjects(state);
    progressSet(state.session.ui, 0, "Generating sounds");
    collectSounds(state);
    if (!checkOutputLimits(state) || !relinkObjects(state)) return false;
    progressSet(state.session.ui, 0, "Generating texture image");
    packTextures(state);
    return true;
}

// The five files are staged in order and replace the old set together. The first one that
// cannot be written stops the save, and the old set stays as it was: a WAD set is only usable
// whole. What an earlier, cut-short save of the set left behind is settled first.
bool writeSet(SaveState& state) {
    settleFileSet(state.output.directory, state.output.name);
    for (uint32_t type : WRITE_ORDER) {
        const FileType& row = fileType(type);
        progressSet(state.session.ui, -1, "Saving %s%s", state.output.name.c_str(), row.extension);
        if (!row.write(state)) return false;
    }
    return commitFileSet(state.files);
}

struct TextureSummary {
    uint32_t objects = 0;
    uint32_t area = 0;
};

void showSummary(Session& session, const FileRecord& output, TextureSummary textures) {
    const uint32_t bytes = textures.area * 4;
    const uint32_t tiles = (textures.area >> 16) + ((textures.area & 0xFFFF) != 0 ? 1 : 0);
    showMessage(session.ui, MessageStyle::InformationOk, "Wad Saved",
                "%s%c%s%s\n\nThis wad uses %d texture objects.%s\n\nAnd uses %d bytes (%1.2fMB) of "
                "texture memory, approximately %d out of 16 texture tiles.",
                output.directory.c_str(), PATH_SEPARATOR, output.name.c_str(),
                fileType(FILE_WAS).extension, static_cast<int>(textures.objects),
                static_cast<int32_t>(textures.objects) >=
                        static_cast<int32_t>(TRANSPARENCY_WARNING_TEXTURES)
                    ? "\nYou may experience transparent objects in the Room Editor (>= 2048)."
                    : "",
                static_cast<int>(bytes), static_cast<double>(bytes * BYTES_TO_MEGABYTES),
                static_cast<int>(tiles));
}

}  // namespace

bool saveWadSet(Session& session, const FileRecord& output) {
    Ui& ui = session.ui;
    progressBegin(ui, format("Saving %s Wad...", output.name.c_str()).c_str(), 0, PROGRESS_RANGE, 1,
                  "Initializing");
    auto state = std::make_unique<SaveState>(session, output);
    const bool saved = buildSet(*state) && writeSet(*state);
    const TextureSummary textures{state->outTextures.count(), state->textureArea};
    state.reset();  // takes the temporaries of a failed save with it
    progressEnd(ui);
    if (!saved) return false;

    session.edited.editedWasFile = makeFileRecord(FILE_WAS, output.directory, output.name);
    session.edited.dirty = false;
    updateTitle(session);
    showSummary(session, output, textures);
    return true;
}

}  // namespace kavrin
