// The opcodes of a script's level data: how many operand bytes each takes and the text line it
// decompiles to.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kavrin {

struct LanguageStrings;

inline constexpr uint8_t END_OF_LEVEL = 0x83;

// What opcode lines name by index: language strings and the script's level paths. An index past
// its table names itself in a placeholder, so a broken reference stays visible in the text.
struct ScriptNames {
    const LanguageStrings* strings = nullptr;  // none: every string is missing
    std::vector<std::string> paths;

    std::string string(uint8_t index) const;
    std::string path(uint8_t index) const;
};

// One opcode with its operand bytes.
struct Operation {
    uint8_t opcode;
    std::span<const uint8_t> operands;  // exactly the opcode's operand count
    const ScriptNames& names;

    int b(size_t at) const { return operands[at]; }
    int s8(size_t at) const { return static_cast<int8_t>(operands[at]); }
    int u16(size_t at) const;
    int s16(size_t at) const { return static_cast<int16_t>(u16(at)); }
    int s32(size_t at) const;
    // The language string or level path named by the byte at `at`.
    std::string string(size_t at) const { return names.string(operands[at]); }
    std::string path(size_t at) const { return names.path(operands[at]); }
};

struct Opcode {
    uint8_t operandCount;
    void (*write)(const Operation& operation, std::string& text);  // appends the opcode's lines
};

// The opcode's row; nullptr for a byte that is no opcode.
const Opcode* findOpcode(uint8_t opcode);

}  // namespace kavrin
