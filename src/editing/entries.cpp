#include "editing/entries.h"

#include "framework/text_format.h"

namespace kavrin {

std::optional<uint32_t> placeableSlot(const ObjectCatalogue& catalogue, const ObjectEntry& entry) {
    // The number is checked, not the slot: a moveable numbered past its slots would otherwise land
    // in a static slot, and a large static number wraps around.
    uint32_t limit = entry.isMoveable ? OBJECT_SLOT_COUNT : STATIC_SLOT_COUNT;
    if (entry.index < 0 || entry.objectNumber >= limit) return std::nullopt;
    uint32_t slot = entry.isMoveable ? entry.objectNumber : FIRST_STATIC_SLOT + entry.objectNumber;
    if (slotLabel(catalogue, slot).empty()) return std::nullopt;
    return slot;
}

std::string entryTreeText(const ObjectCatalogue& catalogue, const ObjectEntry& entry) {
    std::optional<uint32_t> slot = placeableSlot(catalogue, entry);
    std::string label = slot ? std::string(slotLabel(catalogue, *slot)) : "(no slot)";
    return format("%c%3d %s", entry.isMoveable ? 'M' : 'S', static_cast<int>(entry.objectNumber),
                  label.c_str());
}

}  // namespace kavrin
