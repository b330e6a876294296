// The sound files of a WAD set: .SFX (sound map, sound descriptions, sample values) and .SAM
// (one sample file name per line; line i names sample i).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/wad_records.h"

namespace kavrin {

struct FileRecord;
struct ParseContext;

inline constexpr uint32_t SOUND_COUNT = 370;
inline constexpr uint16_t NO_SOUND = 0xFFFF;
inline constexpr uint32_t SAM_MAX_LINES = 1000;

struct SoundResources {
    std::array<uint16_t, SOUND_COUNT> soundMap{};  // per sound number: its SoundInfo, or NO_SOUND
    std::vector<SoundInfo> infos;
    std::vector<uint32_t> sampleValues;
};

struct SoundNames {
    std::vector<std::string> lines;
};

// Parse operations of FILE_SFX and FILE_SAM.
bool parseSfx(FileRecord& record, ParseContext& context);
bool parseSam(FileRecord& record, ParseContext& context);

}  // namespace kavrin
