// Images the renderer draws into: rows of red, green, blue, alpha bytes from the top down, and
// their PNG files.
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

// The image as the bytes of a PNG file (none when memory runs out); the same image always gives
// the same bytes.
std::vector<uint8_t> encodePng(const Image& image);

}  // namespace kavrin::preview
