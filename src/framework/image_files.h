// Image files that are not the system's own formats (Targa, PNG, BMP), read and written through
// stb_image and stb_image_write.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kavrin {

// Pixels of 3 (red, green, blue) or 4 (red, green, blue, alpha) bytes, rows from the top down.
struct ImagePixels {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t channels = 4;
    std::vector<uint8_t> bytes;
};

// Decodes a Targa, PNG or BMP file into 4-byte pixels (alpha 255 where the file has none).
// False with a short reason ("unknown image type", "corrupt") when it is not one of them, and
// before decoding anything when the image has more than `maxPixels` pixels ("too large").
bool decodeImageFile(std::span<const uint8_t> file, uint64_t maxPixels, ImagePixels& out,
                     std::string& problem);

enum class ImageFileType { Targa, TargaRle, Png };

// The widest and tallest image a Targa file can hold.
inline constexpr uint32_t TARGA_SIDE_MAX = 0xFFFF;

// The file bytes of the image; empty when the encoder refuses it (a Targa side over
// TARGA_SIDE_MAX, or more pixel bytes than the encoder counts).
std::vector<uint8_t> encodeImageFile(ImageFileType type, const ImagePixels& image);

}  // namespace kavrin
