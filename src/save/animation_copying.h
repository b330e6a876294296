// Copying animations with their commands, keyframes, state changes and dispatches, and relinking
// their links into output numbering once every object is copied.
#pragma once

#include <cstdint>

namespace kavrin {

struct CopiedMoveable;
struct ReferenceSource;
struct SaveState;

// Appends animation `index` of the source and everything it owns, and marks the sounds its
// commands play. Its links still hold source numbers afterwards.
void copyAnimation(SaveState& state, const ReferenceSource& source, uint32_t index);

// Rewrites every link of the copy's animations into output numbering: a link into the moveable's
// own animations leads to this copy's, any other to the first copy of the animation it names.
// A dispatch to an animation the source lacks is cut (65535). False, after a message, when a link
// leads to an animation that is not in the output.
bool relinkAnimations(SaveState& state, const CopiedMoveable& copy);

}  // namespace kavrin
