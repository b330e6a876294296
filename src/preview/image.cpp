#include "preview/image.h"

namespace kavrin::preview {

Image::Image(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}

void drawImage(Image& target, const Image& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        if (y + row < 0 || y + row >= target.height) continue;
        for (int column = 0; column < source.width; ++column) {
            if (x + column < 0 || x + column >= target.width) continue;
            const uint8_t* from = source.pixel(column, row);
            uint8_t* to = target.pixel(x + column, y + row);
            const int alpha = from[3];
            for (int c = 0; c < 3; ++c) {
                to[c] = static_cast<uint8_t>((from[c] * alpha + to[c] * (255 - alpha) + 127) / 255);
            }
        }
    }
}

}  // namespace kavrin::preview
