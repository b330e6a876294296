#include "decompiler/script_decompiler.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "decompiler/decompiled_text.h"
#include "decompiler/script_opcodes.h"
#include "framework/bytes.h"
#include "framework/file_record.h"
#include "framework/refusal.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

enum : uint32_t {
    OPTION_FLY_CHEAT = 0x01,
    OPTION_LOAD_SAVE = 0x02,
    OPTION_TITLE = 0x04,
    OPTION_PLAY_ANY_LEVEL = 0x08,
    OPTION_DEMO_DISC = 0x80,
};

constexpr size_t EXTENSION_FIELD = 5;

// The file extensions the game gives level, FMV and cut-scene files on one platform.
struct Extensions {
    std::string level;
    std::string fmv;
    std::string cut;
};

struct ScriptHeader {
    uint32_t options = 0;
    int32_t inputTimeout = 0;
    uint8_t security = 0;
    uint8_t pathCount = 0;
    uint16_t levelOffsetCount = 0;
    uint16_t pathBlockLength = 0;
    uint16_t levelDataLength = 0;
    Extensions psx;
    Extensions pc;
};

// A field of five bytes holding a NUL-terminated extension; one that fills the field ends with it.
std::string takeExtension(ByteCursor& in) {
    std::span<const uint8_t> field = in.take(EXTENSION_FIELD);
    auto end = std::find(field.begin(), field.end(), uint8_t{0});
    return std::string(field.begin(), end);
}

Extensions takeExtensions(ByteCursor& in) {
    Extensions extensions;
    extensions.level = takeExtension(in);
    extensions.fmv = takeExtension(in);
    extensions.cut = takeExtension(in);
    in.skip(EXTENSION_FIELD);  // a fourth field the game leaves unused
    return extensions;
}

ScriptHeader readHeader(ByteCursor& in) {
    ScriptHeader header;
    header.options = in.u32();
    header.inputTimeout = in.i32();
    header.security = in.u8();
    header.pathCount = in.u8();
    header.levelOffsetCount = in.u16();
    header.pathBlockLength = in.u16();
    header.levelDataLength = in.u16();
    header.psx = takeExtensions(in);
    header.pc = takeExtensions(in);
    return header;
}

const char* enabled(uint32_t options, uint32_t bit) {
    return (options & bit) ? "ENABLED" : "DISABLED";
}

void writeExtensions(const char* heading, const Extensions& extensions, std::string& text) {
    text += heading;
    text += format("Level=\t%s\n", extensions.level.c_str());
    text += format("Cut=\t%s\n", extensions.cut.c_str());
    text += format("FMV=\t%s\n", extensions.fmv.c_str());
}

// The language files run to the end of the script file, each ending in a NUL; the end of the
// file also ends the last one. The script text names their decompiled .TXT files.
void writeLanguageFiles(std::span<const uint8_t> names, std::string& text) {
    text += "\n[Language]\n";
    uint8_t index = 0;  // the game keeps it in a byte, so it wraps after 255
    while (!names.empty()) {
        size_t length =
            static_cast<size_t>(std::find(names.begin(), names.end(), uint8_t{0}) - names.begin());
        std::string name(names.begin(), names.begin() + static_cast<ptrdiff_t>(length));
        // A name too short to have an extension is listed as it stands.
        if (length >= 3) name.replace(length - 3, 3, "TXT");
        text += format("File=\t\t%d,%s\n", index++, name.c_str());
        names = names.subspan(std::min(length + 1, names.size()));
    }
}

void writeOptions(const ScriptHeader& header, std::string& text) {
    text += "\n[Options]\n";
    text += format("LoadSave=\t%s\n", enabled(header.options, OPTION_LOAD_SAVE));
    text += format("Title=\t\t%s\n", enabled(header.options, OPTION_TITLE));
    text += format("PlayAnyLevel=\t%s\n", enabled(header.options, OPTION_PLAY_ANY_LEVEL));
    text += format("InputTimeout=\t%d\n", header.inputTimeout);
    text += format("FlyCheat=\t%s\n", enabled(header.options, OPTION_FLY_CHEAT));
    text += format("Security=\t$%02x\n", header.security);
    text += format("DemoDisc=\t%s\n", enabled(header.options, OPTION_DEMO_DISC));
}

// Walks the level data opcode by opcode. An invalid opcode ends the walk with a line that says
// where it stands; an opcode whose operands run past the block refuses the file.
bool writeLevels(const FileRecord& record, ParseContext& context, ByteCursor levels,
                 size_t levelsStart, const ScriptNames& names, std::string& text) {
    bool levelEnded = false;
    while (!levels.atEnd()) {
        if (levelEnded) text += "\n[Level]\n";
        size_t opcodeOffset = levelsStart + levels.offset();
        uint8_t opcode = levels.u8();
        const Opcode* row = findOpcode(opcode);
        if (!row) {
            text += format("Invalid opcode = %d @0x%08zx\nDecompile Aborted\n", opcode,
                           opcodeOffset + 1);
            return true;
        }
        std::span<const uint8_t> operands = levels.take(row->operandCount);
        if (!levels.ok()) {
            return refuseFile(context.ui, record.path,
                              "the operands of opcode %d at 0x%08zx run past the end of the level "
                              "data",
                              opcode, opcodeOffset);
        }
        row->write(Operation{opcode, operands, names}, text);
        levelEnded = opcode == END_OF_LEVEL;
    }
    return true;
}

}  // namespace

bool decompileScript(FileRecord& record, ParseContext& context) {
    ByteCursor in(record.bytes());
    ScriptHeader header = readHeader(in);
    if (!in.ok())
        return refuseFile(context.ui, record.path, "its header runs past the end of the file");
    // The paths follow one another; their offsets add nothing.
    if (!in.skip(2 * size_t{header.pathCount})) {
        return refuseFile(context.ui, record.path,
                          "its level path offsets run past the end of the file");
    }
    size_t pathsStart = in.offset();
    ScriptNames names{context.languageStrings, {}};
    while (names.paths.size() < header.pathCount) {
        std::span<const uint8_t> path = takeNulTerminated(in);
        if (!in.ok()) {
            return refuseFile(context.ui, record.path,
                              "level path %zu of %d runs past the end of the file",
                              names.paths.size() + 1, header.pathCount);
        }
        names.paths.emplace_back(path.begin(), path.end());
    }
    // The level offsets only serve the game's seeking; the walk needs none of them.
    if (!in.seek(pathsStart + header.pathBlockLength) ||
        !in.skip(2 * size_t{header.levelOffsetCount})) {
        return refuseFile(context.ui, record.path,
                          "its level path block and level offsets run past the end of the file");
    }
    size_t levelsStart = in.offset();
    std::span<const uint8_t> levels = in.take(header.levelDataLength);
    if (!in.ok()) {
        return refuseFile(context.ui, record.path, "its level data runs past the end of the file");
    }

    std::string text;
    writeExtensions("[PSXExtensions]\n", header.psx, text);
    writeExtensions("\n[PCExtensions]\n", header.pc, text);
    writeLanguageFiles(in.take(in.remaining()), text);
    writeOptions(header, text);
    text += (header.options & OPTION_TITLE) ? "\n[Title]\n" : "\n[Level]\n";
    if (!writeLevels(record, context, ByteCursor(levels), levelsStart, names, text)) return false;
    return writeDecompiledText(context.ui, record, text);
}

}  // namespace kavrin
