#include "shell/win32/preview/canvas_bitmap.h"

#include <algorithm>
#include <utility>

#include "preview/object_preview.h"

namespace kavrin::win32 {

void paintPicture(HDC dc, int x, int y, const preview::Image& picture) {
    if (picture.width <= 0 || picture.height <= 0) return;
    preview::Image bitmap(picture.width, picture.height);
    std::fill(bitmap.rgba.begin(), bitmap.rgba.end(), preview::GROUND_GREY);
    preview::drawImage(bitmap, picture, 0, 0);
    // A device-independent bitmap of 32 bits keeps blue first, and its fourth byte unused.
    for (size_t i = 0; i < bitmap.rgba.size(); i += 4)
        std::swap(bitmap.rgba[i], bitmap.rgba[i + 2]);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // negative: the rows run from the top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, x, y, picture.width, picture.height, 0, 0, picture.width, picture.height,
                  bitmap.rgba.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace kavrin::win32
