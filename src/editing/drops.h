// What dropping something on the main window does: a tree entry dragged onto the edited list, or
// files dragged from the file manager.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

struct ObjectEntry;
struct Session;

// A tree entry dropped on the edited list becomes the selected entry. Dropped onto the row of
// another slot, it replaces that row's object as the Replace button does; dropped anywhere else
// (between or below the rows, or onto its own slot's row) it is added as the Add button adds it.
// A source's root is always added whole.
void dropEntry(Session& session, const ObjectEntry& entry, std::optional<size_t> row);

// The kind of reference a dropped file is loaded as, by its extension (letter case aside):
// REF_WAD_SET for a .WAS, REF_LEVEL for a .tr4, 0 for a file Kavrin does not load.
uint32_t droppedFileKind(std::string_view path);

// Loads each dropped file of a known kind as a reference, in order; the others are left alone.
void loadDroppedFiles(Session& session, const std::vector<std::string>& paths);

}  // namespace kavrin
