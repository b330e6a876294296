// Filling textured, shaded triangles into an image, nearest first by a depth buffer.
#pragma once

#include <vector>

#include "preview/image.h"
#include "preview/texture_sampling.h"

namespace kavrin::preview {

// A corner of a triangle on the image: its pixel position, one over its depth in front of the
// camera, its texture point and the brightness of its light (1 full, 0 black).
struct RasterVertex {
    float x = 0.0f;
    float y = 0.0f;
    float inverseDepth = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
    float light = 1.0f;
};

struct RenderTarget {
    RenderTarget() = default;
    RenderTarget(int width, int height) { clear(width, height); }
    // Empties the target at the given size. Its memory is kept for the next frame: asking the
    // system for fresh pages every frame costs more than drawing a figure.
    void clear(int width, int height);

    Image image;
    // Per pixel: one over the depth of the front face drawn there, minus that of a back face, or
    // 0 where nothing is.
    std::vector<float> depth;
};

// The layers an object is drawn in, in this order. A triangle's front shows when its corners run
// clockwise on the image. Back faces fill only where no front face is: what a single-sided
// polygon seen from behind would leave empty, without ever hiding a front face. Glowing front
// faces (the game adds their colour to what lies behind them) come last; they add their light
// where nothing nearer hides them and hide nothing themselves.
enum class Layer { Front, Back, Glow };

// Fills the pixels whose centres lie inside the triangle, or on its edge, when it shows the side
// its layer draws, nearer than what is there; its transparent texture pixels leave the image as
// it was.
void fillTriangle(RenderTarget& target, Layer layer, const RasterVertex& a, const RasterVertex& b,
                  const RasterVertex& c, const TextureSampler& texture);

}  // namespace kavrin::preview
