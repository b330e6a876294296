#include "preview/sprite_layout.h"

#include <algorithm>

#include "formats/wad.h"
#include "preview/texture_sampling.h"

namespace kavrin::preview {

namespace {

constexpr int PAGE_SIDE = static_cast<int>(TEXTURE_PAGE_SIDE);

// A sprite's width and height words hold its size minus one in their high bytes.
SpriteRect spriteRect(const SpriteTexture& sprite) {
    SpriteRect rect{sprite.bytes[0], sprite.bytes[1], sprite.bytes[5] + 1, sprite.bytes[7] + 1};
    rect.width = std::min(rect.width, PAGE_SIDE - rect.x);
    rect.height = std::min(rect.height, PAGE_SIDE - rect.y);
    return rect;
}

struct Grid {
    int columns = 1;
    int rows = 1;
    double scale = 0.0;  // image pixels per sprite pixel
};

Grid bestGrid(int count, int cellWidth, int cellHeight, int width, int height) {
    Grid best;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const double scale = std::min(static_cast<double>(width) / (columns * cellWidth),
                                      static_cast<double>(height) / (rows * cellHeight));
        if (scale > best.scale) best = {columns, rows, scale};
    }
    return best;
}

}  // namespace

std::vector<SpriteRect> sequenceSprites(const ObjectSourceBlock& block, uint32_t sequence) {
    if (sequence >= block.spriteSequences.size()) return {};
    const SpriteSequence& s = block.spriteSequences[sequence];
    const int64_t count = -int64_t{s.negativeLength};
    std::vector<SpriteRect> out;
    for (int64_t i = 0; i < count && s.firstSprite + i < int64_t(block.spriteTextures.size());
         ++i) {
        out.push_back(spriteRect(block.spriteTextures[static_cast<size_t>(s.firstSprite + i)]));
    }
    return out;
}

void drawSprites(Image& image, std::span<const uint8_t> page, std::span<const SpriteRect> sprites) {
    int cellWidth = 1;
    int cellHeight = 1;
    for (const SpriteRect& s : sprites) {
        cellWidth = std::max(cellWidth, s.width);
        cellHeight = std::max(cellHeight, s.height);
    }
    const Grid grid = bestGrid(static_cast<int>(sprites.size()), cellWidth, cellHeight,
                               image.width, image.height);
    const double left = (image.width - grid.columns * cellWidth * grid.scale) / 2;
    const double top = (image.height - grid.rows * cellHeight * grid.scale) / 2;
    for (size_t i = 0; i < sprites.size(); ++i) {
        const SpriteRect& s = sprites[i];
        const int column = static_cast<int>(i) % grid.columns;
        const int row = static_cast<int>(i) / grid.columns;
        const double x0 = left + (column * cellWidth + (cellWidth - s.width) / 2.0) * grid.scale;
        const double y0 = top + (row * cellHeight + (cellHeight - s.height) / 2.0) * grid.scale;
        const int firstX = std::max(0, static_cast<int>(x0));
        const int firstY = std::max(0, static_cast<int>(y0));
        const int endX = std::min(image.width, static_cast<int>(x0 + s.width * grid.scale));
        const int endY = std::min(image.height, static_cast<int>(y0 + s.height * grid.scale));
        for (int y = firstY; y < endY; ++y) {
            const int sy =
                s.y + std::min(s.height - 1, static_cast<int>((y + 0.5 - y0) / grid.scale));
            for (int x = firstX; x < endX; ++x) {
                const int sx =
                    s.x + std::min(s.width - 1, static_cast<int>((x + 0.5 - x0) / grid.scale));
                const size_t at =
                    static_cast<size_t>(sy) * TEXTURE_ROW_BYTES + sx * TEXTURE_PIXEL_BYTES;
                if (at + TEXTURE_PIXEL_BYTES > page.size()) continue;
                const uint8_t* p = &page[at];
                if (isTransparent(p)) continue;
                uint8_t* out = image.pixel(x, y);
                out[0] = p[0];
                out[1] = p[1];
                out[2] = p[2];
                out[3] = 255;
            }
        }
    }
}

}  // namespace kavrin::preview
