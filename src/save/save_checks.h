// The checks that refuse a save before anything is written, each with one message.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kavrin {

struct ObjectEntry;
struct SaveState;

// Every slot holds an object of the kind it can be saved as: a moveable in an object slot, a
// static mesh in a static slot (the two sprite slots are checked with the sprites).
bool checkSlotKinds(SaveState& state);

// The output tables whose indices have a fixed width, in the order they are checked.
enum OutputTable {
    OUT_OBJECT_TEXTURES,
    OUT_SAMPLES,
    OUT_MESH_POINTERS,
    OUT_ANIMATIONS,
    OUT_STATE_CHANGES,
    OUT_DISPATCHES,
    OUT_COMMAND_WORDS,
    OUTPUT_TABLE_COUNT
};

struct OutputLimit {
    const char* what;
    size_t count;    // entries the set has
    uint32_t limit;  // the most its indices can address
    bool exceeded() const { return count > limit; }
};

// Each output table of the state against the most entries that can address it: object textures
// the 12 bits of a texture word, samples the sample list, animations and the other records their
// 16-bit fields.
std::array<OutputLimit, OUTPUT_TABLE_COUNT> outputLimits(const SaveState& state);

// "This wad needs ... but a WAD set can hold no more than ...", for an exceeded limit.
std::string limitText(const OutputLimit& limit);

// Every output table fits the indices that address it; else the first that does not is reported.
bool checkOutputLimits(SaveState& state);

// True when the entry stands for one of its source's sprite sequences.
bool isSpriteSequence(const ObjectEntry& entry);

}  // namespace kavrin
