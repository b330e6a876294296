// The pixel layouts textures come in, decoded to and encoded from red, green, blue, alpha.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "texture/extraction_settings.h"
#include "texture/texture_image.h"

namespace kavrin {

// In the order of the raw image's "Byte Order" box. Bytes are named in file order; a 16-bit
// pixel is a little-endian word with alpha in its top bit, then 5 bits each of red, green, blue.
enum class PixelFormat : uint32_t { Gray8, Argb1555, Rgb24, Bgr24, Argb32, Bgra32 };

uint32_t pixelBytes(PixelFormat format);

// Appends the pixels of whole `format` pixels in `bytes` as RGBA. Formats without alpha give 255;
// 16-bit alpha is 0 or 255.
void decodePixels(PixelFormat format, std::span<const uint8_t> bytes, std::vector<uint8_t>& rgba);

// Splits whole 256 x 256 pages of `format` pixels into images; a part page at the end is left out.
std::vector<TextureImage> decodePages(PixelFormat format, std::span<const uint8_t> bytes);

// Makes every pixel of the colour `key` transparent.
void markTransparent(std::vector<uint8_t>& rgba, Colour key);

// Red, green, blue bytes; a transparent pixel becomes `transparent`.
std::vector<uint8_t> encodeRgb(std::span<const uint8_t> rgba, Colour transparent);
// RGBA bytes; a transparent pixel keeps alpha 0 and takes the colour `transparent`.
std::vector<uint8_t> encodeRgba(std::span<const uint8_t> rgba, Colour transparent);

}  // namespace kavrin
