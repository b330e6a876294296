// Choosing the sounds of a saved set: the sounds its animations play, each from the first source
// that plays it, plus the sounds every set carries.
#pragma once

#include <cstdint>
#include <span>

namespace kavrin {

struct ReferenceSource;
struct SaveState;

// Marks, in the state's sound map, each sound that `count` commands from the start of `words`
// play and that the source has, binding it to the source unless an earlier one was bound. The
// walk ends at an opcode outside 1 to 6 and at the end of the words. False after reporting a
// sound number past the sound map; the rest of the commands are then not scanned.
bool markSounds(SaveState& state, const ReferenceSource& source, std::span<const uint16_t> words,
                uint32_t count);

// Builds the output sound map, sound descriptions and samples, in sound number order: the marked
// sounds from their sources, the always-included ones from the set opened for editing or else the
// newest listed source that has them.
void collectSounds(SaveState& state);

}  // namespace kavrin
