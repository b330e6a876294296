#include "texture/pixel_formats.h"

#include "formats/wad.h"

namespace kavrin {

namespace {

// 5 bits stretched over 0 to 255, so that 31 becomes 255.
uint8_t expand5(uint32_t value) {
    return static_cast<uint8_t>((value << 3) | (value >> 2));
}

void appendPixel(std::vector<uint8_t>& rgba, uint8_t red, uint8_t green, uint8_t blue,
                 uint8_t alpha) {
    rgba.insert(rgba.end(), {red, green, blue, alpha});
}

}  // namespace

uint32_t pixelBytes(PixelFormat format) {
    switch (format) {
        case PixelFormat::Gray8:
            return 1;
        case PixelFormat::Argb1555:
            return 2;
        case PixelFormat::Rgb24:
        case PixelFormat::Bgr24:
            return 3;
        case PixelFormat::Argb32:
        case PixelFormat::Bgra32:
            return 4;
    }
    return 4;
}

void decodePixels(PixelFormat format, std::span<const uint8_t> bytes, std::vector<uint8_t>& rgba) {
    const size_t step = pixelBytes(format);
    rgba.reserve(rgba.size() + bytes.size() / step * RGBA_BYTES);
    for (size_t i = 0; i + step <= bytes.size(); i += step) {
        const uint8_t* p = &bytes[i];
        switch (format) {
            case PixelFormat::Gray8:
                appendPixel(rgba, p[0], p[0], p[0], 0xFF);
                break;
            case PixelFormat::Argb1555: {
                const uint32_t word = p[0] | (p[1] << 8);
                appendPixel(rgba, expand5((word >> 10) & 31), expand5((word >> 5) & 31),
                            expand5(word & 31), (word & 0x8000) ? 0xFF : 0);
                break;
            }
            case PixelFormat::Rgb24:
                appendPixel(rgba, p[0], p[1], p[2], 0xFF);
                break;
            case PixelFormat::Bgr24:
                appendPixel(rgba, p[2], p[1], p[0], 0xFF);
                break;
            case PixelFormat::Argb32:
                appendPixel(rgba, p[1], p[2], p[3], p[0]);
                break;
            case PixelFormat::Bgra32:
                appendPixel(rgba, p[2], p[1], p[0], p[3]);
                break;
        }
    }
}

std::vector<TextureImage> decodePages(PixelFormat format, std::span<const uint8_t> bytes) {
    const size_t pageBytes = size_t{TEXTURE_PAGE_SIDE} * TEXTURE_PAGE_SIDE * pixelBytes(format);
    std::vector<TextureImage> pages(bytes.size() / pageBytes);
    for (size_t i = 0; i < pages.size(); ++i) {
        pages[i].width = pages[i].height = TEXTURE_PAGE_SIDE;
        decodePixels(format, bytes.subspan(i * pageBytes, pageBytes), pages[i].rgba);
    }
    return pages;
}

void markTransparent(std::vector<uint8_t>& rgba, Colour key) {
    for (size_t i = 0; i + RGBA_BYTES <= rgba.size(); i += RGBA_BYTES) {
        if (rgba[i] == colourRed(key) && rgba[i + 1] == colourGreen(key) &&
            rgba[i + 2] == colourBlue(key)) {
            rgba[i + 3] = 0;
        }
    }
}

std::vector<uint8_t> encodeRgb(std::span<const uint8_t> rgba, Colour transparent) {
    std::vector<uint8_t> rgb;
    rgb.reserve(rgba.size() / RGBA_BYTES * 3);
    for (size_t i = 0; i + RGBA_BYTES <= rgba.size(); i += RGBA_BYTES) {
        if (rgba[i + 3] == 0) {
            rgb.insert(rgb.end(),
                       {colourRed(transparent), colourGreen(transparent), colourBlue(transparent)});
        } else {
            rgb.insert(rgb.end(), {rgba[i], rgba[i + 1], rgba[i + 2]});
        }
    }
    return rgb;
}

std::vector<uint8_t> encodeRgba(std::span<const uint8_t> rgba, Colour transparent) {
    std::vector<uint8_t> out(rgba.begin(), rgba.end());
    for (size_t i = 0; i + RGBA_BYTES <= out.size(); i += RGBA_BYTES) {
        if (out[i + 3] != 0) continue;
        out[i] = colourRed(transparent);
        out[i + 1] = colourGreen(transparent);
        out[i + 2] = colourBlue(transparent);
    }
    return out;
}

}  // namespace kavrin
