// The file type table: one row per kind of file, with its operations, its extension and what the
// file dialog shows for it.
#pragma once

#include <cstdint>
#include <span>

namespace kavrin {

struct FileRecord;
struct ParseContext;
struct SaveState;

enum : uint32_t {
    FILE_LANGUAGE = 0,
    FILE_SCRIPT = 1,
    FILE_LEVEL = 2,
    FILE_OBJECTS_H = 3,
    FILE_BUILD_SCRIPT = 4,
    FILE_SAM = 5,
    FILE_SFX = 6,
    FILE_SWD = 7,
    FILE_WAD = 8,
    FILE_WAS = 9,
    FILE_TEXTURE_SOURCE = 10,
    FILE_TEXTURE_OUTPUT = 11,
    FILE_REFERENCE = 12,
    FILE_LEVEL_REFERENCE = 13,
    FILE_PROJECT = 14,
    FILE_TYPE_COUNT = 15,
};

struct FileFilter {
    const char* description;
    const char* pattern;
};

using ParseOperation = bool (*)(FileRecord& record, ParseContext& context);
using WriteOperation = bool (*)(SaveState& state);

struct FileType {
    uint32_t id;
    ParseOperation parse;  // nullptr: the type is never parsed
    WriteOperation write;  // nullptr: the type is never written
    const char* dialogTitle;
    const char* extension;
    std::span<const FileFilter> filters;
};

// The row of a file type number; numbers past the table are a programming error.
const FileType& fileType(uint32_t id);

}  // namespace kavrin
