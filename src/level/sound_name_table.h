// The names of the game's sound samples, by the sample index a compiled level stores.
#pragma once

#include <cstdint>

namespace kavrin {

inline constexpr uint32_t SOUND_NAME_COUNT = 389;

// The file name of level sample `index`; "bogus.wav" for an index the table does not hold.
const char* levelSampleName(uint32_t index);

}  // namespace kavrin
