#include "save/sprite_composition.h"

#include <algorithm>

#include "save/save_checks.h"
#include "save/save_state.h"
#include "editing/session.h"
#include "formats/catalogue.h"
#include "formats/wad.h"

namespace kavrin {

namespace {

constexpr uint32_t SKY_SPRITES = 4;
constexpr uint32_t DEFAULT_SPRITES = 33;
constexpr uint32_t SKY_ROWS = 64;
constexpr uint32_t DEFAULT_ROWS = 128;
constexpr size_t HEIGHT_MINUS_ONE_BYTE = 7;

// Where a source keeps the sprites of one slot: which sequence, which sprites, which page rows.
struct SpriteLayout {
    uint32_t sequence;
    uint32_t firstSprite;
    uint32_t spriteCount;
    uint32_t firstRow;
    uint32_t rowCount;
};

// The layout a source must have to supply the slot: sky graphics as the first sequence, four
// sprites in rows 0 to 63; default sprites as the only sequence (rows 0 to 127) or, behind the sky
// graphics, as the second (rows 64 to 191).
SpriteLayout expectedLayout(uint32_t slot, const ObjectSourceBlock& block) {
    if (slot == SKY_GRAPHICS_SLOT) return {0, 0, SKY_SPRITES, 0, SKY_ROWS};
    if (block.spriteSequences.size() == 2) {
        return {1, SKY_SPRITES, DEFAULT_SPRITES, SKY_ROWS, DEFAULT_ROWS};
    }
    return {0, 0, DEFAULT_SPRITES, 0, DEFAULT_ROWS};
}

bool spriteInRows(const SpriteTexture& sprite, const SpriteLayout& layout) {
    const uint32_t top = sprite.topRow();
    const uint32_t bottom = top + sprite.bytes[HEIGHT_MINUS_ONE_BYTE];
    return top >= layout.firstRow && bottom < layout.firstRow + layout.rowCount;
}

// True when the entry is a sprite sequence of its source laid out as the slot needs it.
bool fitsLayout(const ObjectEntry& entry, uint32_t slot) {
    if (!isSpriteSequence(entry)) return false;
    const ObjectSourceBlock& block = entry.owner->block;
    const SpriteLayout layout = expectedLayout(slot, block);
    const size_t sequenceIndex = entry.kindIndex - block.moveables.size();
    if (sequenceIndex != layout.sequence || sequenceIndex >= block.spriteSequences.size()) {
        return false;
    }
    const SpriteSequence& sequence = block.spriteSequences[sequenceIndex];
    if (sequence.slot != slot || sequence.firstSprite != layout.firstSprite ||
        sequence.negativeLength != -static_cast<int32_t>(layout.spriteCount) ||
        block.spriteTextures.size() < layout.firstSprite + layout.spriteCount ||
        block.spriteData.size() < (layout.firstRow + layout.rowCount) * TEXTURE_ROW_BYTES) {
        return false;
    }
    auto sprites = block.spriteTextures.subspan(layout.firstSprite, layout.spriteCount);
    return std::all_of(sprites.begin(), sprites.end(),
                       [&](const SpriteTexture& sprite) { return spriteInRows(sprite, layout); });
}

bool refuseLayout(SaveState& state, const ObjectEntry& entry, uint32_t slot) {
    const char* label = slotLabelText(state, slot);
    showMessage(state.ui, MessageStyle::ErrorOk, "Kavrin",
                "The %s sprites of the %s file are not laid out the way a saved sprite WAD needs "
                "them.\n\nTake SKY_GRAPHICS and DEFAULT_SPRITES from the same file, or %s from "
                "another one.",
                label, entry.owner->fileName.c_str(), label);
    return false;
}

// Appends the slot's sprites with their top rows moved by `shift`, and copies its page rows to
// `row` of the output page.
void appendSlot(SpriteWad& out, const ObjectEntry& entry, uint32_t slot, uint32_t row,
                uint32_t firstOutputSprite) {
    const ObjectSourceBlock& block = entry.owner->block;
    const SpriteLayout layout = expectedLayout(slot, block);
    const uint8_t shift = static_cast<uint8_t>(row - layout.firstRow);
    for (SpriteTexture sprite :
         block.spriteTextures.subspan(layout.firstSprite, layout.spriteCount)) {
        sprite.bytes[1] = static_cast<uint8_t>(sprite.bytes[1] + shift);
        out.sprites.push_back(sprite);
    }
    std::copy_n(block.spriteData.begin() + layout.firstRow * TEXTURE_ROW_BYTES,
                layout.rowCount * TEXTURE_ROW_BYTES, out.page.begin() + row * TEXTURE_ROW_BYTES);
    SpriteSequence sequence = block.spriteSequences[layout.sequence];
    sequence.firstSprite = static_cast<uint16_t>(firstOutputSprite);
    out.sequences.push_back(sequence);
}

}  // namespace

bool composeSprites(SaveState& state) {
    const EditedWad& edited = state.session.edited;
    const ObjectEntry* sky = edited.slotTable[SKY_GRAPHICS_SLOT];
    const ObjectEntry* defaults = edited.slotTable[DEFAULT_SPRITES_SLOT];
    SpriteWad& out = state.outSprites;
    out.version = outputVersion(state);

    if (sky && defaults && sky->owner == defaults->owner && isSpriteSequence(*sky) &&
        isSpriteSequence(*defaults)) {
        const ObjectSourceBlock& block = sky->owner->block;
        out.sprites.assign(block.spriteTextures.begin(), block.spriteTextures.end());
        out.page.assign(block.spriteData.begin(), block.spriteData.end());
        out.sequences.assign(block.spriteSequences.begin(), block.spriteSequences.end());
        return true;
    }
    if (sky && !fitsLayout(*sky, SKY_GRAPHICS_SLOT)) {
        return refuseLayout(state, *sky, SKY_GRAPHICS_SLOT);
    }
    if (defaults && !fitsLayout(*defaults, DEFAULT_SPRITES_SLOT)) {
        return refuseLayout(state, *defaults, DEFAULT_SPRITES_SLOT);
    }
    out.page.assign(TEXTURE_PAGE_BYTES, 0);
    if (sky) appendSlot(out, *sky, SKY_GRAPHICS_SLOT, 0, 0);
    if (defaults) {
        appendSlot(out, *defaults, DEFAULT_SPRITES_SLOT, sky ? SKY_ROWS : 0, sky ? SKY_SPRITES : 0);
    }
    return true;
}

}  // namespace kavrin
