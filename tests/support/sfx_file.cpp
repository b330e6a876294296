#include "support/sfx_file.h"

#include "framework/bytes.h"

namespace kavrin::test {

std::string sfxFile(const SoundResources& sounds) {
    ByteWriter out;
    out.words16(sounds.soundMap);
    out.u32(static_cast<uint32_t>(sounds.infos.size()));
    for (const SoundInfo& info : sounds.infos)
        encodeRecord(out, info);
    out.u32(static_cast<uint32_t>(sounds.sampleValues.size()));
    out.words32(sounds.sampleValues);
    return std::string(out.bytes().begin(), out.bytes().end());
}

}  // namespace kavrin::test
