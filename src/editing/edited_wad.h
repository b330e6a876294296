// The edited WAD: the 525 slots the user fills from loaded sources, and the rows of the edited
// list that show them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/categories.h"
#include "editing/reference_source.h"
#include "formats/catalogue.h"
#include "framework/file_record.h"

namespace kavrin {

inline constexpr int32_t NO_ROW = -1;

struct EditedWad {
    std::array<const ObjectEntry*, SLOT_COUNT> slotTable{};  // null: the slot is empty
    // What was placed in each slot; meaningful only while the slot is occupied.
    std::array<std::string, SLOT_COUNT> sourceName;
    std::array<std::string, SLOT_COUNT> sourceFile;
    std::array<uint32_t, SLOT_COUNT> sourceSlot{};

    std::unique_ptr<ReferenceSource> editedSource;  // the set opened for editing, not listed
    std::unique_ptr<FileRecord> editedWasFile;      // names the edited WAD; empty name: untitled
    uint32_t occupiedCount = 0;
    bool dirty = false;
    bool confirmDeletions = true;
    bool confirmOverwriting = true;
    uint32_t categoryFilter = 0;
    int32_t sortCode = 2;

    std::vector<uint32_t> rows;  // the slot of each row of the edited list, in display order
    int32_t selectedRow = NO_ROW;  // from the view
};

// Whether a save copies the object of the slot as an object: all but the two sprite slots, whose
// sequences go into the sprite WAD.
inline bool copiesObjectOf(uint32_t slot) {
    return slot != SKY_GRAPHICS_SLOT && slot != DEFAULT_SPRITES_SLOT;
}

// The entry whose object a save copies from the slot, if any.
inline const ObjectEntry* copiedEntry(const EditedWad& edited, uint32_t slot) {
    return copiesObjectOf(slot) ? edited.slotTable[slot] : nullptr;
}

}  // namespace kavrin
