// Object categories: the "Display Objects of Type" choices and the category of every slot.
#pragma once

#include <array>
#include <cstdint>

namespace kavrin {

inline constexpr uint32_t CATEGORY_COUNT = 21;
inline constexpr uint32_t ALL_OBJECTS = 0;

// The category names in box order; the index is the category number.
extern const std::array<const char*, CATEGORY_COUNT> CATEGORY_NAMES;

// The category (1 to 20) of a slot; ALL_OBJECTS for a number past the slots.
uint32_t slotCategory(uint32_t slot);

// Whether the slot has a row while the filter is chosen.
bool slotShownUnder(uint32_t filter, uint32_t slot);

}  // namespace kavrin
