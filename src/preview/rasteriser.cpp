#include "preview/rasteriser.h"

#include <algorithm>
#include <cmath>

namespace kavrin::preview {

namespace {

// Corners further out than this lie far outside any image; such a triangle is not drawn.
constexpr float FARTHEST_PIXEL = 1.0e6f;

// Twice the signed area of (p, q, r): positive when they run clockwise on the image (y down).
float edge(float px, float py, float qx, float qy, float rx, float ry) {
    return (qx - px) * (ry - py) - (qy - py) * (rx - px);
}

bool onImage(const RasterVertex& v) {
    return std::abs(v.x) < FARTHEST_PIXEL && std::abs(v.y) < FARTHEST_PIXEL;
}

uint8_t lit(uint8_t channel, float light) {
    return static_cast<uint8_t>(std::min(channel * light + 0.5f, 255.0f));
}

// A pixel at this inverse depth may be drawn over what the depth buffer holds there: a front
// face over nothing or a farther front face, a back face over nothing or a farther back face, a
// glow over anything farther.
bool passes(float stored, float inverseDepth, Layer layer) {
    switch (layer) {
        case Layer::Front: return inverseDepth > stored;
        case Layer::Back: return stored <= 0.0f && inverseDepth > -stored;
        default: return inverseDepth > std::abs(stored);
    }
}

// Adds the light of a glowing pixel to what the image holds there; on a transparent ground the
// light's brightest channel becomes its opacity, so that the glow shows over any background.
void addGlow(uint8_t* pixel, const int light[3]) {
    const int alpha = pixel[3];
    const int opacity = std::max({alpha, light[0], light[1], light[2]});
    if (opacity == 0) return;
    for (int c = 0; c < 3; ++c) {
        const int sum = std::min(pixel[c] * alpha / 255 + light[c], 255);
        pixel[c] = static_cast<uint8_t>(std::min(sum * 255 / opacity, 255));
    }
    pixel[3] = static_cast<uint8_t>(opacity);
}

// The columns of a row where an edge's value, `at` in column x0 and changing by `step` per column,
// is not negative, cut to [first, last]. Found a column wider than exact, on both sides: the
// pixels themselves are tested exactly.
void keepNonNegative(float at, float step, int x0, int& first, int& last) {
    // Columns so far away lie outside any image.
    auto columns = [](float span) {
        return static_cast<int>(std::floor(std::clamp(span, -FARTHEST_PIXEL, FARTHEST_PIXEL)));
    };
    if (step > 0.0f) {
        first = std::max(first, x0 + columns(-at / step) - 1);
    } else if (step < 0.0f) {
        last = std::min(last, x0 + columns(at / -step) + 1);
    } else if (at < 0.0f) {
        last = first - 1;
    }
}

// Fills the clockwise triangle (a, b, c).
void fill(RenderTarget& target, const RasterVertex& a, const RasterVertex& b,
          const RasterVertex& c, const TextureSampler& texture, Layer layer) {
    const float area = edge(a.x, a.y, b.x, b.y, c.x, c.y);
    if (!(area > 0.0f)) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    const int x1 = std::min(target.image.width - 1, static_cast<int>(std::max({a.x, b.x, c.x})));
    const int y1 = std::min(target.image.height - 1, static_cast<int>(std::max({a.y, b.y, c.y})));
    // Texture points over depth interpolate linearly across the image; so does the light.
    const float ua = a.u * a.inverseDepth, ub = b.u * b.inverseDepth, uc = c.u * c.inverseDepth;
    const float va = a.v * a.inverseDepth, vb = b.v * b.inverseDepth, vc = c.v * c.inverseDepth;
    const float px0 = x0 + 0.5f;
    for (int y = y0; y <= y1; ++y) {
        const float py = y + 0.5f;
        int first = x0;
        int last = x1;
        keepNonNegative(edge(b.x, b.y, c.x, c.y, px0, py), b.y - c.y, x0, first, last);
        keepNonNegative(edge(c.x, c.y, a.x, a.y, px0, py), c.y - a.y, x0, first, last);
        keepNonNegative(edge(a.x, a.y, b.x, b.y, px0, py), a.y - b.y, x0, first, last);
        float* depthRow = &target.depth[static_cast<size_t>(y) * target.image.width];
        for (int x = std::max(first, x0); x <= std::min(last, x1); ++x) {
            if (layer == Layer::Back && depthRow[x] > 0.0f) continue;
            const float px = x + 0.5f;
            const float wa = edge(b.x, b.y, c.x, c.y, px, py);
            const float wb = edge(c.x, c.y, a.x, a.y, px, py);
            const float wc = edge(a.x, a.y, b.x, b.y, px, py);
            if (wa < 0.0f || wb < 0.0f || wc < 0.0f) continue;
            const float weightedDepth =
                wa * a.inverseDepth + wb * b.inverseDepth + wc * c.inverseDepth;
            const float inverseDepth = weightedDepth / area;
            if (!passes(depthRow[x], inverseDepth, layer)) continue;
            const float u = (wa * ua + wb * ub + wc * uc) / weightedDepth;
            const float v = (wa * va + wb * vb + wc * vc) / weightedDepth;
            const uint8_t* texel = texture.sample(u, v);
            if (!texel) continue;
            const float light = (wa * a.light + wb * b.light + wc * c.light) / area;
            uint8_t* pixel = target.image.pixel(x, y);
            if (layer == Layer::Glow) {
                const int glow[3] = {lit(texel[0], light), lit(texel[1], light),
                                     lit(texel[2], light)};
                addGlow(pixel, glow);
                continue;
            }
            depthRow[x] = layer == Layer::Back ? -inverseDepth : inverseDepth;
            pixel[0] = lit(texel[0], light);
            pixel[1] = lit(texel[1], light);
            pixel[2] = lit(texel[2], light);
            pixel[3] = 255;
        }
    }
}

}  // namespace

void RenderTarget::clear(int width, int height) {
    const size_t pixels = static_cast<size_t>(width) * height;
    image.width = width;
    image.height = height;
    image.rgba.assign(pixels * 4, 0);
    depth.assign(pixels, 0.0f);
}

void fillTriangle(RenderTarget& target, Layer layer, const RasterVertex& a, const RasterVertex& b,
                  const RasterVertex& c, const TextureSampler& texture) {
    if (!onImage(a) || !onImage(b) || !onImage(c)) return;
    if (layer == Layer::Back) {
        fill(target, a, c, b, texture, layer);  // seen from behind, its corners run the other way
    } else {
        fill(target, a, b, c, texture, layer);
    }
}

}  // namespace kavrin::preview
