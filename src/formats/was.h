// The .WAS object list of a WAD set: one "LABEL:source" line per object the set provides.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kavrin {

struct FileRecord;
struct ParseContext;

struct WadScript {
    std::vector<std::string> lineLabels;
    std::vector<std::string> lineValues;
    int32_t skyGraphicsLine = -1;
    int32_t defaultSpritesLine = -1;

    uint32_t lineCount() const { return static_cast<uint32_t>(lineLabels.size()); }
};

inline constexpr uint32_t WAS_MAX_LINES = 525;

// Parse operation of FILE_WAS: checks every label against the catalogue.
bool parseWas(FileRecord& record, ParseContext& context);

}  // namespace kavrin
