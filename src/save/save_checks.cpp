#include "save/save_checks.h"

#include "save/save_state.h"
#include "editing/session.h"
#include "formats/catalogue.h"

namespace kavrin {

namespace {

constexpr uint32_t TEXTURE_INDEX_LIMIT = 4096;  // 12 bits of a texture word
constexpr uint32_t WORD_INDEX_LIMIT = 65536;    // a 16-bit index
constexpr uint32_t ANIMATION_LIMIT = 65535;     // 65535 means "no animation"

const char* kindName(const ObjectEntry& entry) {
    if (!entry.isMoveable) return "static mesh";
    return isSpriteSequence(entry) ? "sprite sequence" : "moveable";
}

struct Limit {
    const char* what;
    size_t count;
    uint32_t limit;
};

}  // namespace

bool isSpriteSequence(const ObjectEntry& entry) {
    return entry.isMoveable && entry.kindIndex >= entry.owner->block.moveables.size();
}

bool checkSlotKinds(SaveState& state) {
    const EditedWad& edited = state.session.edited;
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        const ObjectEntry* entry = edited.slotTable[slot];
        if (!entry || slot == SKY_GRAPHICS_SLOT || slot == DEFAULT_SPRITES_SLOT) continue;
        const bool fits = slot < FIRST_STATIC_SLOT ? entry->isMoveable && !isSpriteSequence(*entry)
                                                   : !entry->isMoveable;
        if (fits) continue;
        showMessage(state.session.ui, MessageStyle::ErrorOk, "Kavrin",
                    "%s from the %s file is a %s and cannot be saved as %s.",
                    slotLabelText(state, entry->slot), entry->owner->fileName.c_str(),
                    kindName(*entry), slotLabelText(state, slot));
        return false;
    }
    return true;
}

bool checkOutputLimits(SaveState& state) {
    const Limit limits[] = {
        {"object textures", state.outTextures.count(), TEXTURE_INDEX_LIMIT},
        {"sound samples", state.outSampleNames.size(), SAM_MAX_LINES},
        {"mesh pointers", state.outMeshPointers.size(), WORD_INDEX_LIMIT},
        {"animations", state.outAnimations.count(), ANIMATION_LIMIT},
        {"state changes", state.outStateChanges.size(), WORD_INDEX_LIMIT},
        {"dispatches", state.outDispatches.size(), WORD_INDEX_LIMIT},
        {"animation command words", state.outCommands.size(), WORD_INDEX_LIMIT},
    };
    for (const Limit& limit : limits) {
        if (limit.count <= limit.limit) continue;
        showMessage(state.session.ui, MessageStyle::ErrorOk, "Kavrin",
                    "This wad needs %zu %s, but a WAD set can hold no more than %u.\n\nRemove "
                    "some objects and save again.",
                    limit.count, limit.what, limit.limit);
        return false;
    }
    return true;
}

}  // namespace kavrin
