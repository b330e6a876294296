// The rows of the edited list: which slots have one, what each shows, and how they sort.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "editing/edited_wad.h"

namespace kavrin {

struct Session;

// The mark, "ID", "Name", "File" and "Label".
inline constexpr int ROW_COLUMN_COUNT = 5;

struct RowTexts {
    bool occupied = false;  // the occupied mark
    std::string id;         // "M" and the slot, or "S" and the static number
    std::string name;       // the label of the slot
    std::string file;       // the occupant's source file; empty for an empty slot
    std::string label;      // the label of the slot the occupant comes from; empty likewise
};

RowTexts rowTexts(const Session& session, uint32_t slot);

// One row per slot that the category filter shows, in slot order.
void fillRows(EditedWad& edited);

// The row that shows the slot, if the filter shows it.
std::optional<size_t> findRow(const EditedWad& edited, uint32_t slot);

// The slot of the row the view has selected, if any.
std::optional<uint32_t> selectedSlot(const EditedWad& edited);

// Negative when the row of slot `a` goes before the row of slot `b` under the sort code.
int compareRows(const Session& session, uint32_t a, uint32_t b, int32_t sortCode);

// A click on a column: sorts by it, or reverses the sort when it already sorts by it.
void sortByColumn(Session& session, int column);

}  // namespace kavrin
