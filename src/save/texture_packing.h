// Laying the object textures of a saved set out afresh on new 256 x 256 pages.
#pragma once

namespace kavrin {

struct SaveState;
struct TextureOrigin;

// Places every output object texture but the reserved entry 0 on new pages, largest first,
// rewrites its page and position, copies its pixels from its source and leaves the page count and
// the texture area in the state.
void packTextures(SaveState& state);

// The packing order: larger (by the product of the stored size-minus-one bytes), taller, wider
// first, then by source page, x and y, higher first, then the source loaded later first. Textures
// that tie on every rule are the same rectangle of the same source.
int compareTexturesForPacking(const TextureOrigin& a, const TextureOrigin& b);

}  // namespace kavrin
