#include "support/sfx_file.h"

#include "formats/wad_file.h"

namespace kavrin::test {

std::string sfxFile(const SoundResources& sounds) {
    std::vector<uint8_t> bytes = encodeSfxFile(sounds);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace kavrin::test
