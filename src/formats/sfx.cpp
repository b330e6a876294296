#include <algorithm>

#include "formats/sound_files.h"
#include "framework/bytes.h"
#include "framework/file_record.h"
#include "framework/refusal.h"

namespace kavrin {

bool parseSfx(FileRecord& record, ParseContext& context) {
    ByteCursor in(record.bytes());
    auto endsInside = [&](const char* what) {
        return refuseFile(context.ui, record.path, "the file ends inside %s", what);
    };
    SoundResources sounds;

    std::vector<uint16_t> map = readWords16(in, SOUND_COUNT);
    if (!in.ok()) return endsInside("the sound map");
    std::copy(map.begin(), map.end(), sounds.soundMap.begin());

    uint32_t infoCount = in.u32();
    if (!in.ok()) return endsInside("the sound info count");
    if (!readRecords(in, infoCount, sounds.infos)) return endsInside("the sound infos");

    uint32_t sampleCount = in.u32();
    if (!in.ok()) return endsInside("the sample count");
    sounds.sampleValues = readWords32(in, sampleCount);
    if (!in.ok()) return endsInside("the sample values");

    record.contents = std::move(sounds);
    return true;
}

}  // namespace kavrin
