// Images the renderer draws into: rows of red, green, blue, alpha bytes from the top down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kavrin::preview {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width x height x 4 bytes; alpha 0 where nothing was drawn

    Image() = default;
    Image(int width, int height);  // fully transparent
    uint8_t* pixel(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* pixel(int x, int y) const {
        return &rgba[(static_cast<size_t>(y) * width + x) * 4];
    }
};

// Puts `source` with its top left corner at (x, y) onto an opaque target, blending it over what is
// there by its alpha; the parts outside the target are cut off.
void drawImage(Image& target, const Image& source, int x, int y);

}  // namespace kavrin::preview
