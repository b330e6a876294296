#include "save/output_set.h"

#include "editing/session.h"
#include "save/animation_copying.h"
#include "save/object_copying.h"
#include "save/save_checks.h"
#include "save/save_state.h"
#include "save/sound_collection.h"
#include "save/sprite_composition.h"
#include "save/texture_packing.h"

namespace kavrin {

namespace {

void copyObjects(SaveState& state) {
    progressSet(state.ui, 0, "Generating moveables and static meshes");
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
        progressSet(state.ui, -1, nullptr);
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
    progressSet(state.ui, 0, "Updating animations");
    // Moveables were copied in slot order, so the copies are met in the same order.
    auto copy = state.copiedMoveables.begin();
    for (uint32_t slot = 0; slot < OBJECT_SLOT_COUNT; ++slot) {
        progressSet(state.ui, -1, nullptr);
        if (copy == state.copiedMoveables.end() || copy->slot != slot) continue;
        if (!relinkAnimations(state, *copy++)) return false;
    }
    return true;
}

}  // namespace

bool buildOutputSet(SaveState& state, SetBuild build) {
    const bool saving = build == SetBuild::Save;
    // An object in a slot of another kind cannot even be copied; the sprites do not count.
    if (!checkSlotKinds(state)) return false;
    if (!composeSprites(state) && saving) return false;
    copyObjects(state);
    progressSet(state.ui, 0, "Generating sounds");
    collectSounds(state);
    if (saving && (!checkOutputLimits(state) || !relinkObjects(state))) return false;
    progressSet(state.ui, 0, "Generating texture image");
    if (saving) {
        packTextures(state);
    } else {
        layOutTextures(state);
    }
    return true;
}

}  // namespace kavrin
