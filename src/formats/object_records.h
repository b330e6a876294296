// The records a WAD file and a compiled level store alike and in the same order: animations with
// their state changes, dispatches, commands, mesh links and keyframes, then the moveables and
// static meshes that use them.
#pragma once

#include <cstdint>
#include <vector>

#include "formats/wad_records.h"

namespace kavrin {

struct ObjectRecords {
    std::vector<Animation> animations;
    std::vector<StateChange> stateChanges;
    std::vector<Dispatch> dispatches;
    std::vector<uint16_t> commands;   // command words
    std::vector<uint32_t> meshTrees;  // four words per link
    std::vector<uint16_t> frames;     // keyframe words, addressed in bytes
    std::vector<Moveable> moveables;
    std::vector<StaticMesh> statics;
};

// Reads the eight sections, each a count and its records. Returns the name of the first section
// that runs past the end of the data ("Animations", "States", ... "Static Meshes"), or nullptr.
const char* readObjectRecords(ByteCursor& in, ObjectRecords& out);

}  // namespace kavrin
