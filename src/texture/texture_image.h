// What an extraction takes out of its input before it writes anything: images of red, green,
// blue and alpha bytes, grouped into the sets the output files are named after.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kavrin {

inline constexpr uint32_t RGBA_BYTES = 4;

// Rows from the top down, 4 bytes per pixel. Alpha 0 marks a transparent pixel; its colour bytes
// mean nothing, since every output writes its own transparency colour there.
struct TextureImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;
};

// A level's 32-bit pages, a WAD's object pages, a raw image, ...: the images of one kind, named
// by `name` in the output files ("title-32bit-03.tga").
struct TextureSet {
    std::string name;
    std::vector<TextureImage> images;
    bool pages = true;  // 256 x 256 texture pages; false: one image of any size
    // A level's sets begin with this many room pages; the room editor texture takes only them.
    uint32_t roomPageCount = UINT32_MAX;
};

struct ExtractedTextures {
    std::string inputFileName;  // "title.tr4", for messages
    std::string inputName;      // its base name, which begins every output name
    std::vector<TextureSet> sets;
    std::vector<TextureImage>
        bumpPages;     // a level's bump map pages, when it has them and they are asked for
    std::string note;  // told with the result ("tut1.WAD holds no room textures.")
};

}  // namespace kavrin
