// The preview's picture on a Windows device context: the renderer's red, green, blue, alpha rows,
// laid over the preview's grey ground, as the blue, green, red bytes of a top-down 32-bit bitmap.
#pragma once

#include <windows.h>

#include "preview/image.h"

namespace kavrin::win32 {

// Draws the picture pixel for pixel with its top left corner at (x, y).
void paintPicture(HDC dc, int x, int y, const preview::Image& picture);

}  // namespace kavrin::win32
