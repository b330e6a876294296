// The checks that refuse a save before anything is written, each with one message.
#pragma once

namespace kavrin {

struct ObjectEntry;
struct SaveState;

// Every slot holds an object of the kind it can be saved as: a moveable in an object slot, a
// static mesh in a static slot (the two sprite slots are checked with the sprites).
bool checkSlotKinds(SaveState& state);

// Every output table fits the indices that address it: object textures the 12 bits of a texture
// word, samples the sample list, animations and the other records their 16-bit fields.
bool checkOutputLimits(SaveState& state);

// True when the entry stands for one of its source's sprite sequences.
bool isSpriteSequence(const ObjectEntry& entry);

}  // namespace kavrin
