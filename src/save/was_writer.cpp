#include "save/save_state.h"
#include "save/writers.h"
#include "editing/session.h"
#include "framework/file_output.h"
#include "framework/file_types.h"
#include "framework/text_format.h"
#include "framework/text_lines.h"

namespace kavrin {

namespace {

// The sprite slots say which sprites of the sprite WAD they hold.
const char* spriteRange(uint32_t slot) {
    if (slot == SKY_GRAPHICS_SLOT) return "SPRITE0 TO SPRITE3 ";
    if (slot == DEFAULT_SPRITES_SLOT) return "SPRITE0 TO SPRITE99 ";
    return "";
}

}  // namespace

// One line per occupied slot: its label and where its object came from.
bool writeWas(SaveState& state) {
    std::string text;
    const EditedWad& edited = state.session.edited;
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        const ObjectEntry* entry = edited.slotTable[slot];
        if (!entry) continue;
        appendLine(text, format("%s:%sZ:\\%s\\%s\\%s.prk", slotLabelText(state, slot),
                                spriteRange(slot), entry->owner->kind == REF_LEVEL ? "TR4" : "WAD",
                                entry->owner->name.c_str(), slotLabelText(state, entry->slot)));
    }
    return stageFile(state.files, outputPath(state, FILE_WAS), text);
}

}  // namespace kavrin
