// Reading the pixels of a polygon's texture rectangle from the object texture pages.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "formats/wad.h"
#include "preview/texture_mapping.h"

namespace kavrin::preview {

// Pages mark their transparent pixels red 255, green 0, blue 255.
inline bool isTransparent(const uint8_t* rgb) {
    return rgb[0] == 255 && rgb[1] == 0 && rgb[2] == 255;
}

// A polygon's texture rectangle on its page. Texture points are taken from the rectangle's top
// left corner, so that the same rectangle samples alike wherever a set has packed it.
struct TextureSampler {
    const uint8_t* origin = nullptr;  // the rectangle's top left pixel
    int width = 1;
    int height = 1;

    // The pixel at (u, v) from the top left, kept within the rectangle; null where the page is
    // transparent.
    const uint8_t* sample(float u, float v) const {
        const int x = std::clamp(static_cast<int>(u), 0, width - 1);
        const int y = std::clamp(static_cast<int>(v), 0, height - 1);
        const uint8_t* p = origin + y * TEXTURE_ROW_BYTES + x * TEXTURE_PIXEL_BYTES;
        return isTransparent(p) ? nullptr : p;
    }
};

// None when the rectangle's page is not among the pages.
std::optional<TextureSampler> textureSampler(std::span<const uint8_t> pages,
                                             const PolygonTexture& texture);

}  // namespace kavrin::preview
