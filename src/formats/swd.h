// The .SWD sprite WAD of a WAD set: sprite rectangles on one page, grouped into sequences.
#pragma once

#include <cstdint>
#include <vector>

#include "formats/wad_records.h"

namespace kavrin {

struct FileRecord;
struct ParseContext;

struct SpriteWad {
    uint32_t version = 0;
    std::vector<SpriteTexture> sprites;
    std::vector<uint8_t> page;  // the page bytes as stored (pageBytes = page.size())
    std::vector<SpriteSequence> sequences;
};

// Parse operation of FILE_SWD. A file shorter than its counts, or longer, is refused with one
// message.
bool parseSwd(FileRecord& record, ParseContext& context);

}  // namespace kavrin
