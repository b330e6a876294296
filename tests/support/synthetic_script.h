// Small compiled language files and scripts, built from the fields that matter to a test, and a
// way to run a decompiler on them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/file_record.h"

namespace kavrin::test {

// A language file: three groups of strings, each stored XOR-ed with `mask`.
struct SyntheticLanguage {
    std::vector<std::string> generic;
    std::vector<std::string> psx;
    std::vector<std::string> pc;
    uint8_t mask = 0x5E;
};

std::vector<uint8_t> buildLanguageFile(const SyntheticLanguage& language);

// A script.dat with no input timeout or security byte and the usual PSX and PC extensions. The
// header's counts and block lengths follow from the fields.
struct SyntheticScript {
    uint32_t options = 0;
    std::vector<std::string> paths;
    uint16_t levelOffsetCount = 0;
    std::vector<uint8_t> levelData;
    std::string languageNames;  // as stored: each name followed by its NUL
};

std::vector<uint8_t> buildScriptFile(const SyntheticScript& script);

struct Decompiled {
    bool ok = false;
    std::string outputPath;  // the record's path after the run
    std::string text;        // the output file's bytes; empty when there is none
};

// Loads the file at `inputPath` as `type` with the record's directory and name set to
// `outputDirectory` and `name`, as a chosen file would have them, so the text lands there.
Decompiled decompileFile(uint32_t type, const std::string& inputPath,
                         const std::string& outputDirectory, const std::string& name,
                         ParseContext& context);

// Writes the bytes as INPUT.DAT into a fresh directory and decompiles them there.
Decompiled decompileBytes(uint32_t type, const std::vector<uint8_t>& bytes, ParseContext& context);

}  // namespace kavrin::test
