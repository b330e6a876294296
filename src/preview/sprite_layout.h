// A sprite sequence as a picture: its sprites side by side in reading order, wrapped into as many
// rows as lets them be drawn largest, each scaled alike and centred in a cell of the largest
// sprite's size.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editing/object_source_block.h"
#include "preview/image.h"

namespace kavrin::preview {

// A sprite's rectangle on the sprite page, cut to the page.
struct SpriteRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The sprites of the block's sequence `sequence`; those past the sprite table are left out.
std::vector<SpriteRect> sequenceSprites(const ObjectSourceBlock& block, uint32_t sequence);

// Draws the sprites from the page into the image, its transparent pixels left clear.
void drawSprites(Image& image, std::span<const uint8_t> page, std::span<const SpriteRect> sprites);

}  // namespace kavrin::preview
