#include "decompiler/script_opcodes.h"

#include "decompiler/language_strings.h"
#include "framework/bytes.h"
#include "framework/text_format.h"

namespace kavrin {

std::string ScriptNames::string(uint8_t index) const {
    if (strings && index < strings->strings.size()) return strings->strings[index];
    return format("<missing string %d>", index);
}

std::string ScriptNames::path(uint8_t index) const {
    if (index < paths.size()) return paths[index];
    return format("<missing path %d>", index);
}

int Operation::u16(size_t at) const {
    return loadU16(operands.subspan(at, 2).data());
}

int Operation::s32(size_t at) const {
    return static_cast<int32_t>(loadU32(operands.subspan(at, 4).data()));
}

namespace {

struct LevelOption {
    uint16_t bit;
    const char* line;
};

// The order script texts list them in, which is not the order of the bits: Lightning comes
// before StarField.
// clang-format off
constexpr LevelOption LEVEL_OPTIONS[] = {
    {0x0001, "YoungLara=\tENABLED\n"},
    {0x0002, "Weather=\tENABLED\n"},
    {0x0004, "Horizon=\tENABLED\n"},
    {0x0040, "Lightning=\tENABLED\n"},
    {0x0020, "StarField=\tENABLED\n"},
    {0x0080, "Train=\t\tENABLED\n"},
    {0x0100, "Pulse=\t\tENABLED\n"},
    {0x0200, "ColAddHorizon=\tENABLED\n"},
    {0x1000, "Timer=\t\tENABLED\n"},
    {0x4000, "RemoveAmulet=\tENABLED\n"},
    {0x8000, "NoLevel=\tENABLED\n"},
};
// clang-format on

// The option lines of a level or the title, then its path and audio track.
void writeLevel(const Operation& op, size_t optionsAt, std::string& text) {
    int options = op.u16(optionsAt);
    for (const LevelOption& option : LEVEL_OPTIONS) {
        if (options & option.bit) text += option.line;
    }
    size_t pathAt = optionsAt + 2;
    text += format("Level=\t\t%s,%d\n", op.path(pathAt).c_str(), op.b(pathAt + 1));
}

// The six words every inventory item line ends with.
std::string itemWords(const Operation& op) {
    return format("$%04x,$%04x,$%04x,$%04x,$%04x,$%04x\n", op.u16(2), op.u16(4), op.u16(6),
                  op.u16(8), op.u16(10), op.u16(12));
}

// An inventory item: its number in its family and its name.
void writeItem(const Operation& op, const char* label, int number, std::string& text) {
    text += format("%s%d,%s,\t", label, number, op.string(0).c_str());
    text += itemWords(op);
}

// A combined item: the pieces come in pairs, numbered item first, then piece.
void writeCombo(const Operation& op, const char* label, int n, std::string& text) {
    text += format("%s%d,%d,%s,\t", label, n / 2 + 1, n % 2 + 1, op.string(0).c_str());
    text += itemWords(op);
}

void writeFmv(const Operation& op, std::string& text) {
    text += format(";FMV=\t\t%d,%d\n", op.b(0) & 0x7F, op.b(0) >> 7);
}

void writeLevelOpcode(const Operation& op, std::string& text) {
    text += format("Name=\t\t%s\n", op.string(0).c_str());
    writeLevel(op, 1, text);
}

void writeTitle(const Operation& op, std::string& text) {
    writeLevel(op, 0, text);
}

// Its only effect is the heading before the next opcode, which the walk writes.
void writeEndOfLevel(const Operation&, std::string&) {}

void writeCut(const Operation& op, std::string& text) {
    text += format(";Cut=\t\t%d\n", op.b(0));
}

void writeResidentCut(const Operation& op, std::string& text) {
    text += format("ResidentCut=\t%d,%d\n", op.opcode - 0x84, op.b(0));
}

void writeLayer(const Operation& op, std::string& text) {
    text +=
        format("Layer%d=\t\t%d,%d,%d,%d\n", op.opcode - 0x88, op.b(0), op.b(1), op.b(2), op.s8(3));
}

void writeUvRotate(const Operation& op, std::string& text) {
    text += format("UVrotate=\t%d\n", op.b(0));
}

void writeLegend(const Operation& op, std::string& text) {
    text += format("Legend=\t\t%s\n", op.string(0).c_str());
}

void writeLensFlare(const Operation& op, std::string& text) {
    text += format("LensFlare=\t%d,%d,%d,%d,%d,%d\n", op.s16(0) * 256, op.s16(2) * 256,
                   op.s16(4) * 256, op.b(6), op.b(7), op.b(8));
}

// Bytes 3 and 4 of the operands are the game's own; the text has no place for them.
void writeMirror(const Operation& op, std::string& text) {
    text += format("Mirror=\t\t%d,$%04x\n", op.b(0), op.u16(1));
}

void writeFog(const Operation& op, std::string& text) {
    text += format("Fog=\t\t%d,%d,%d\n", op.b(0), op.b(1), op.b(2));
}

void writeAnimatingMip(const Operation& op, std::string& text) {
    text += format("AnimatingMIP=\t%d,%d\n", (op.b(0) & 0x0F) + 1, op.b(0) >> 4);
}

void writeLoadCamera(const Operation& op, std::string& text) {
    text += format("LoadCamera=\t%d,%d,%d,%d,%d,%d,%d\n", op.s32(0), op.s32(4), op.s32(8),
                   op.s32(12), op.s32(16), op.s32(20), op.b(24));
}

void writeResetHub(const Operation& op, std::string& text) {
    text += format("ResetHUB=\t%d\n", op.b(0));
}

void writeKey(const Operation& op, std::string& text) {
    writeItem(op, "Key=\t\t", op.opcode - 0x92, text);
}

void writePuzzle(const Operation& op, std::string& text) {
    writeItem(op, "Puzzle=\t\t", op.opcode - 0x9E, text);
}

void writePickup(const Operation& op, std::string& text) {
    writeItem(op, "Pickup=\t\t", op.opcode - 0xAA, text);
}

void writeExamine(const Operation& op, std::string& text) {
    writeItem(op, "Examine=\t", op.opcode - 0xAE, text);
}

void writeKeyCombo(const Operation& op, std::string& text) {
    writeCombo(op, "KeyCombo=\t", op.opcode - 0xB2, text);
}

void writePuzzleCombo(const Operation& op, std::string& text) {
    writeCombo(op, "PuzzleCombo=\t", op.opcode - 0xC2, text);
}

void writePickupCombo(const Operation& op, std::string& text) {
    writeCombo(op, "PickupCombo=\t", op.opcode - 0xD2, text);
}

struct OpcodeRange {
    uint8_t first;
    uint8_t last;
    Opcode opcode;
};

constexpr OpcodeRange OPCODES[] = {
    {0x80, 0x80, {1, writeFmv}},          {0x81, 0x81, {5, writeLevelOpcode}},
    {0x82, 0x82, {4, writeTitle}},        {END_OF_LEVEL, END_OF_LEVEL, {0, writeEndOfLevel}},
    {0x84, 0x84, {1, writeCut}},          {0x85, 0x88, {1, writeResidentCut}},
    {0x89, 0x8A, {4, writeLayer}},        {0x8B, 0x8B, {1, writeUvRotate}},
    {0x8C, 0x8C, {1, writeLegend}},       {0x8D, 0x8D, {9, writeLensFlare}},
    {0x8E, 0x8E, {5, writeMirror}},       {0x8F, 0x8F, {3, writeFog}},
    {0x90, 0x90, {1, writeAnimatingMip}}, {0x91, 0x91, {25, writeLoadCamera}},
    {0x92, 0x92, {1, writeResetHub}},     {0x93, 0x9E, {14, writeKey}},
    {0x9F, 0xAA, {14, writePuzzle}},      {0xAB, 0xAE, {14, writePickup}},
    {0xAF, 0xB1, {14, writeExamine}},     {0xB2, 0xC1, {14, writeKeyCombo}},
    {0xC2, 0xD1, {14, writePuzzleCombo}}, {0xD2, 0xD9, {14, writePickupCombo}},
};

}  // namespace

const Opcode* findOpcode(uint8_t opcode) {
    for (const OpcodeRange& range : OPCODES) {
        if (opcode >= range.first && opcode <= range.last) return &range.opcode;
    }
    return nullptr;
}

}  // namespace kavrin
