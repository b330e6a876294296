#include "support/synthetic_script.h"

#include <filesystem>

#include "framework/bytes.h"
#include "framework/file_record.h"
#include "framework/paths.h"
#include "support/parsed_file.h"
#include "support/synthetic_wad.h"
#include "support/test_data.h"

namespace kavrin::test {

std::vector<uint8_t> buildLanguageFile(const SyntheticLanguage& language) {
    ByteWriter out;
    out.u16(static_cast<uint16_t>(language.generic.size()));
    out.u16(static_cast<uint16_t>(language.psx.size()));
    out.u16(static_cast<uint16_t>(language.pc.size()));
    out.zeros(6);  // group lengths, which nothing reads
    ByteWriter strings;
    for (const auto* group : {&language.generic, &language.psx, &language.pc}) {
        for (const std::string& text : *group) {
            out.u16(static_cast<uint16_t>(strings.size()));
            for (char c : text)
                strings.u8(static_cast<uint8_t>(c) ^ language.mask);
            strings.u8(0);
        }
    }
    out.raw(strings.bytes());
    return out.release();
}

std::vector<uint8_t> buildScriptFile(const SyntheticScript& script) {
    size_t pathBlockLength = 0;
    for (const std::string& path : script.paths)
        pathBlockLength += path.size() + 1;
    ByteWriter out;
    out.u32(script.options);
    out.i32(0);  // input timeout
    out.u8(0);   // security
    out.u8(static_cast<uint8_t>(script.paths.size()));
    out.u16(script.levelOffsetCount);
    out.u16(static_cast<uint16_t>(pathBlockLength));
    out.u16(static_cast<uint16_t>(script.levelData.size()));
    // Level, FMV and cut extensions and a spare field, PSX then PC, five bytes each.
    for (std::string extension : {".PSX", ".FMV", ".CUT", "", ".TR4", ".BIK", ".TR4", ""}) {
        out.text(extension);
        out.zeros(5 - extension.size());
    }
    uint16_t pathOffset = 0;
    for (const std::string& path : script.paths) {
        out.u16(pathOffset);
        pathOffset = static_cast<uint16_t>(pathOffset + path.size() + 1);
    }
    for (const std::string& path : script.paths) {
        out.text(path);
        out.u8(0);
    }
    out.zeros(2 * size_t{script.levelOffsetCount});
    out.raw(script.levelData);
    out.text(script.languageNames);
    return out.release();
}

Decompiled decompileFile(uint32_t type, const std::string& inputPath,
                         const std::string& outputDirectory, const std::string& name,
                         ParseContext& context) {
    FileRecord record;
    record.type = type;
    record.path = inputPath;
    record.directory = outputDirectory;
    record.name = name;
    Decompiled result;
    result.ok = loadFile(record, context);
    result.outputPath = record.path;
    if (record.path != inputPath) result.text = readBytes(record.path);
    return result;
}

Decompiled decompileBytes(uint32_t type, const std::vector<uint8_t>& bytes, ParseContext& context) {
    std::string directory = makeTempDirectory("decompile");
    std::string input = directory + PATH_SEPARATOR + "INPUT.DAT";
    writeBytes(input, bytes);
    Decompiled result = decompileFile(type, input, directory, "INPUT", context);
    return result;
}

}  // namespace kavrin::test
