#include "preview/texture_mapping.h"

namespace kavrin::preview {

namespace {

// The rectangle's corners, clockwise from the top left.
enum Corner { TOP_LEFT, TOP_RIGHT, BOTTOM_RIGHT, BOTTOM_LEFT };

constexpr Corner QUAD_CORNERS[2][4] = {
    {TOP_LEFT, TOP_RIGHT, BOTTOM_RIGHT, BOTTOM_LEFT},
    {TOP_RIGHT, TOP_LEFT, BOTTOM_LEFT, BOTTOM_RIGHT},  // mirrored
};

// By the top three bits of a triangle's word: the first four start further round the rectangle
// each, the last four are the same mirrored.
constexpr Corner TRIANGLE_CORNERS[8][3] = {
    {TOP_LEFT, TOP_RIGHT, BOTTOM_LEFT},     {TOP_RIGHT, BOTTOM_RIGHT, TOP_LEFT},
    {BOTTOM_RIGHT, BOTTOM_LEFT, TOP_RIGHT}, {BOTTOM_LEFT, TOP_LEFT, BOTTOM_RIGHT},
    {TOP_RIGHT, TOP_LEFT, BOTTOM_RIGHT},    {TOP_LEFT, BOTTOM_LEFT, TOP_RIGHT},
    {BOTTOM_LEFT, BOTTOM_RIGHT, TOP_LEFT},  {BOTTOM_RIGHT, TOP_RIGHT, BOTTOM_LEFT},
};

}  // namespace

std::optional<PolygonTexture> polygonTexture(std::span<const ObjectTexture> textures,
                                             const PolygonRef& polygon) {
    const uint16_t index = textureIndexOfWord(polygon.texture);
    if (index >= textures.size()) return std::nullopt;
    const ObjectTexture& t = textures[index];
    PolygonTexture out;
    out.page = t.page;
    out.left = t.x;
    out.top = t.y;
    out.right = t.x + t.widthMinusOne;
    out.bottom = t.y + t.heightMinusOne;
    const float nearU = out.left;
    const float nearV = out.top;
    const float farU = static_cast<float>(out.right + (t.flagX != 0 ? 1 : 0));
    const float farV = static_cast<float>(out.bottom + (t.flagY != 0 ? 1 : 0));
    const TexturePoint at[4] = {{nearU, nearV}, {farU, nearV}, {farU, farV}, {nearU, farV}};

    const int flags = polygon.texture >> 12;
    if (polygon.isTriangle()) {
        for (int i = 0; i < 3; ++i) out.corners[i] = at[TRIANGLE_CORNERS[flags >> 1][i]];
    } else {
        const bool mirrored = flags == NEGATED_TEXTURE_FLAGS;
        for (int i = 0; i < 4; ++i) out.corners[i] = at[QUAD_CORNERS[mirrored][i]];
    }
    return out;
}

}  // namespace kavrin::preview
