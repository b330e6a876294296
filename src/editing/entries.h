// What an entry of a source is to the user: its text in the reference tree and whether it can be
// placed in the edited WAD.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editing/reference_source.h"
#include "formats/catalogue.h"

namespace kavrin {

// The slot an entry fills: none when its number lies past the moveable or static slots, or when
// objects.h names no such slot. Such an entry cannot be placed anywhere.
std::optional<uint32_t> placeableSlot(const ObjectCatalogue& catalogue, const ObjectEntry& entry);

// "M" or "S", the number the source stores, and the catalogue label of the entry's slot
// ("(no slot)" for an entry that cannot be placed).
std::string entryTreeText(const ObjectCatalogue& catalogue, const ObjectEntry& entry);

}  // namespace kavrin
