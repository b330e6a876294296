#include "editing/rows.h"

#include <algorithm>
#include <string_view>

#include "editing/categories.h"
#include "editing/session.h"
#include "framework/paths.h"
#include "framework/text_format.h"

namespace kavrin {

RowTexts rowTexts(const Session& session, uint32_t slot) {
    const EditedWad& edited = session.edited;
    RowTexts texts;
    bool isStatic = slot >= FIRST_STATIC_SLOT;
    texts.id = format("%c%3d", isStatic ? 'S' : 'M',
                      static_cast<int>(isStatic ? slot - FIRST_STATIC_SLOT : slot));
    texts.name = slotName(session, slot);
    if (slot < SLOT_COUNT && edited.slotTable[slot]) {
        texts.occupied = true;
        texts.file = edited.sourceFile[slot];
        texts.label = slotName(session, edited.sourceSlot[slot]);
    }
    return texts;
}

void fillRows(EditedWad& edited) {
    edited.rows.clear();
    for (uint32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        if (slotShownUnder(edited.categoryFilter, slot)) edited.rows.push_back(slot);
    }
    edited.selectedRow = NO_ROW;
}

std::optional<size_t> findRow(const EditedWad& edited, uint32_t slot) {
    auto found = std::find(edited.rows.begin(), edited.rows.end(), slot);
    if (found == edited.rows.end()) return std::nullopt;
    return static_cast<size_t>(found - edited.rows.begin());
}

std::optional<uint32_t> selectedSlot(const EditedWad& edited) {
    if (edited.selectedRow < 0 || static_cast<size_t>(edited.selectedRow) >= edited.rows.size()) {
        return std::nullopt;
    }
    return edited.rows[static_cast<size_t>(edited.selectedRow)];
}

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Labels compare byte by byte as unsigned characters, letter case counting.
int compareBytes(std::string_view a, std::string_view b) {
    return sign(a.compare(b));
}

// File names compare without regard to letter case.
int compareFiles(std::string_view a, std::string_view b) {
    return sign(compareIgnoringCase(a, b));
}

int compareSlots(uint32_t a, uint32_t b) {
    return (a > b) - (a < b);
}

}  // namespace

int compareRows(const Session& session, uint32_t a, uint32_t b, int32_t sortCode) {
    if (a >= SLOT_COUNT || b >= SLOT_COUNT) return 0;
    const EditedWad& edited = session.edited;
    bool occupiedA = edited.slotTable[a] != nullptr;
    bool occupiedB = edited.slotTable[b] != nullptr;
    bool descending = sortCode < 0;
    auto name = [&](uint32_t slot) { return slotName(session, slot); };
    auto placed = [&](uint32_t slot) { return slotName(session, edited.sourceSlot[slot]); };
    auto file = [&](uint32_t slot) { return std::string_view(edited.sourceFile[slot]); };

    switch (sortCode) {
        case 1:
        case -1:
            if (occupiedA != occupiedB) return occupiedA != descending ? -1 : 1;
            return compareSlots(a, b);
        case 2:
            return compareSlots(a, b);
        case -2:
            return compareSlots(b, a);
        case 3:
            return compareBytes(name(a), name(b));
        case -3:
            return compareBytes(name(b), name(a));
        case 4:
        case -4:
        case 5:
        case -5: {
            // Occupied rows first when ascending, empty ones first when descending; empty rows
            // go by the label of their slot in the sort's direction.
            if (occupiedA != occupiedB) return occupiedA != descending ? -1 : 1;
            if (!occupiedA)
                return descending ? compareBytes(name(b), name(a)) : compareBytes(name(a), name(b));
            // The tie-breaks keep one direction whichever way the main key runs.
            if (sortCode == 4 || sortCode == -4) {
                int byFile = compareFiles(file(a), file(b));
                if (byFile != 0) return descending ? -byFile : byFile;
                return compareBytes(placed(a), placed(b));
            }
            int byLabel = compareBytes(placed(a), placed(b));
            if (byLabel != 0) return descending ? -byLabel : byLabel;
            return compareFiles(file(b), file(a));
        }
        default:
            return 0;
    }
}

void sortByColumn(Session& session, int column) {
    if (column < 0 || column >= ROW_COLUMN_COUNT) return;
    EditedWad& edited = session.edited;
    int32_t code = column + 1;
    if (code == edited.sortCode) code = -code;
    edited.sortCode = code;
    std::optional<uint32_t> selected = selectedSlot(edited);
    std::stable_sort(edited.rows.begin(), edited.rows.end(),
                     [&](uint32_t a, uint32_t b) { return compareRows(session, a, b, code) < 0; });
    showRowsRebuilt(session.view);
    // The selection stays with its slot.
    if (selected) {
        size_t row = *findRow(edited, *selected);
        edited.selectedRow = static_cast<int32_t>(row);
        showRowSelected(session.view, row);
    }
}

}  // namespace kavrin
