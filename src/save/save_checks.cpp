#include "save/save_checks.h"

#include "save/save_state.h"
#include "editing/session.h"
#include "formats/catalogue.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

constexpr uint32_t TEXTURE_INDEX_LIMIT = 4096;  // 12 bits of a texture word
constexpr uint32_t WORD_INDEX_LIMIT = 65536;    // a 16-bit index
constexpr uint32_t ANIMATION_LIMIT = 65535;     // 65535 means "no animation"

const char* kindName(const ObjectEntry& entry) {
    if (!entry.isMoveable) return "static mesh";
    return isSpriteSequence(entry) ? "sprite sequence" : "moveable";
}

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
        showMessage(state.ui, MessageStyle::ErrorOk, "Kavrin",
                    "%s from the %s file is a %s and cannot be saved as %s.",
                    slotLabelText(state, entry->slot), entry->owner->fileName.c_str(),
                    kindName(*entry), slotLabelText(state, slot));
        return false;
    }
    return true;
}

std::array<OutputLimit, OUTPUT_TABLE_COUNT> outputLimits(const SaveState& state) {
    return {{
        {"object textures", state.outTextures.count(), TEXTURE_INDEX_LIMIT},
        {"sound samples", state.outSampleNames.size(), SAM_MAX_LINES},
        {"mesh pointers", state.outMeshPointers.size(), WORD_INDEX_LIMIT},
        {"animations", state.outAnimations.count(), ANIMATION_LIMIT},
        {"state changes", state.outStateChanges.size(), WORD_INDEX_LIMIT},
        {"dispatches", state.outDispatches.size(), WORD_INDEX_LIMIT},
        {"animation command words", state.outCommands.size(), WORD_INDEX_LIMIT},
    }};
}

std::string limitText(const OutputLimit& limit) {
    return format("This wad needs %zu %s, but a WAD set can hold no more than %u.", limit.count,
                  limit.what, limit.limit);
}

bool checkOutputLimits(SaveState& state) {
    for (const OutputLimit& limit : outputLimits(state)) {
        if (!limit.exceeded()) continue;
        showMessage(state.ui, MessageStyle::ErrorOk, "Kavrin",
                    "%s\n\nRemove some objects and save again.", limitText(limit).c_str());
        return false;
    }
    return true;
}

}  // namespace kavrin
