// Loading bytes a test made as a real file, and reparsing a loaded file cut short.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "framework/file_record.h"

namespace kavrin::test {

struct LoadedFile {
    std::unique_ptr<FileRecord> record;
    bool loaded = false;  // what loadFile returned
};

// Writes `bytes` as `name` with the type's extension into a fresh directory and loads it.
LoadedFile loadBytes(uint32_t type, const std::string& name, std::span<const uint8_t> bytes,
                     ParseContext& context);

// Parses the first `length` bytes of a loaded file as its type would if the file ended there.
// The copy is laid out as loadFile lays out a file, NUL included.
bool parseCut(const FileRecord& whole, size_t length, ParseContext& context);

}  // namespace kavrin::test
