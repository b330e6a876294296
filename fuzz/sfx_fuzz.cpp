// .SFX files of any content: counts that run past the end must be refused, never followed.
#include <cstdlib>

#include "formats/sound_files.h"
#include "framework/file_types.h"
#include "fuzz_support.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseContext context{fuzz::silentUi()};
    FileRecord record = fuzz::recordHolding(FILE_SFX, data, size);
    if (!parseSfx(record, context)) return 0;
    const auto& sounds = std::any_cast<const SoundResources&>(record.contents);
    uint64_t walked = SOUND_COUNT * 2 + 4 + 8 * uint64_t{sounds.infos.size()} + 4 +
                      4 * uint64_t{sounds.sampleValues.size()};
    if (walked > size) std::abort();
    return 0;
}
