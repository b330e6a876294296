// Laying the object textures of a saved set out afresh on new 256 x 256 pages.
#pragma once

#include <cstdint>

namespace kavrin {

struct SaveState;
struct TextureOrigin;

// The texture tiles (256 x 256 pages) the Level Editor has room for.
inline constexpr uint32_t TEXTURE_TILE_BUDGET = 16;

// The tiles a texture area needs when packed without gaps: the estimate a save reports.
inline uint32_t estimatedTiles(uint32_t area) {
    return (area >> 16) + ((area & 0xFFFF) != 0 ? 1 : 0);
}

// Places every output object texture but the reserved entry 0 on new pages, largest first,
// rewrites its page and position and leaves the page count and the texture area in the state.
// The pages themselves are not made.
void layOutTextures(SaveState& state);

// Lays the textures out, then makes the pages and copies every texture's pixels from its source.
void packTextures(SaveState& state);

// The packing order: larger (by the product of the stored size-minus-one bytes), taller, wider
// first, then by source page, x and y, higher first, then the source loaded later first. Textures
// that tie on every rule are the same rectangle of the same source.
int compareTexturesForPacking(const TextureOrigin& a, const TextureOrigin& b);

}  // namespace kavrin
