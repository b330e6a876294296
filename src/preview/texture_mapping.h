// Where the corners of a WAD polygon lie on its texture page.
//
// A polygon names an ObjectTexture rectangle; the flags of its texture word say which corners of
// the rectangle its own corners take, in order. A quad takes them clockwise from the top left
// (top left, top right, bottom right, bottom left), or mirrored left for right when its word
// holds its index negated. A triangle takes three: bits 13 and 14 of its word count how far
// round the rectangle it starts, corner after corner clockwise, and bit 15 mirrors it. The near
// edges of the rectangle lie at its x and y; the far edges at x + width - 1 and y + height - 1,
// one pixel further out when the rectangle's flag of that axis is set.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "formats/mesh.h"
#include "formats/wad_records.h"

namespace kavrin::preview {

struct TexturePoint {
    float u = 0.0f;  // page columns and rows; pixel p covers [p, p + 1)
    float v = 0.0f;
};

struct PolygonTexture {
    uint16_t page = 0;
    std::array<TexturePoint, 4> corners{};  // a triangle uses the first three
    // The rectangle's pixels, inclusive: what the polygon may show.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// None when the polygon's texture index lies past the textures.
std::optional<PolygonTexture> polygonTexture(std::span<const ObjectTexture> textures,
                                             const PolygonRef& polygon);

}  // namespace kavrin::preview
