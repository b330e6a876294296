// The sprite WAD of a saved set, composed from the sources of its two sprite slots.
#pragma once

namespace kavrin {

struct SaveState;

// Composes the state's outSprites from the sky graphics (slot 460) and the default sprites (slot
// 463). The sky graphics take page rows 0 to 63 and the default sprites 128 rows below them, or
// from row 0 without sky graphics. Both slots taken from one source copy that source's sprite WAD
// as it is. A source whose sprites are laid out otherwise is refused with a message naming it and
// the slot, so no sprite ever points at pixels that are not its own.
bool composeSprites(SaveState& state);

}  // namespace kavrin
