// Synthetic .SFX files.
#pragma once

#include <cstdint>
#include <string>

#include "formats/sound_files.h"

namespace kavrin::test {

// The sound map, the info count and infos, the sample count and values, back to back.
std::string sfxFile(const SoundResources& sounds);

}  // namespace kavrin::test
