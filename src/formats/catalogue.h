// The object catalogue: the label of every one of the 525 slots, read from the Level Editor's
// objects.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

struct FileRecord;
struct ParseContext;

inline constexpr uint32_t OBJECT_SLOT_COUNT = 465;  // slots 0 to 464: moveables, sprite sequences
inline constexpr uint32_t STATIC_SLOT_COUNT = 60;   // slots 465 to 524: static meshes
inline constexpr uint32_t FIRST_STATIC_SLOT = OBJECT_SLOT_COUNT;
inline constexpr uint32_t SLOT_COUNT = OBJECT_SLOT_COUNT + STATIC_SLOT_COUNT;
inline constexpr uint32_t SKY_GRAPHICS_SLOT = 460;
inline constexpr uint32_t DEFAULT_SPRITES_SLOT = 463;
inline constexpr uint32_t MISC_SPRITES_SLOT = 464;
inline constexpr uint32_t OBJECT_VERSION = 129;

struct LabelIndexEntry {
    std::string label;
    uint32_t slot = 0;
};

struct ObjectCatalogue {
    uint32_t version = 0;  // 0 when the header never names OBJECT_VERSION
    std::array<std::string, SLOT_COUNT> labels;  // empty: the header does not name the slot
    std::vector<LabelIndexEntry> index;  // the labelled slots, sorted with compareLabels
};

// Compares two labels without regard to letter case, byte by byte as unsigned characters.
int compareLabels(const LabelIndexEntry& a, const LabelIndexEntry& b);

// The slot labelled `label` (letter case aside), if any.
std::optional<uint32_t> findLabel(const ObjectCatalogue& catalogue, std::string_view label);

// The label of a slot; empty for a slot the header does not name or a number past the slots.
std::string_view slotLabel(const ObjectCatalogue& catalogue, uint32_t slot);

// Parse operation of FILE_OBJECTS_H: the record's contents become an ObjectCatalogue.
bool parseObjectsH(FileRecord& record, ParseContext& context);

}  // namespace kavrin
