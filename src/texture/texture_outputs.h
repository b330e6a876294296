// What each output type makes of the extracted textures: the files, named and encoded, ready to
// be written into the output directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "texture/extraction_settings.h"
#include "texture/texture_image.h"

namespace kavrin {

struct Ui;

struct OutputFile {
    std::string name;  // in the output directory: "title-32bit-03.tga"
    std::vector<uint8_t> bytes;
};

struct ExtractionOutput {
    std::vector<OutputFile> files;
    uint32_t imageCount = 0;  // pages (or images) that went into the files
};

// Composes the files of the settings' output type; false after a message when that type cannot
// be made from these textures.
bool composeOutput(Ui& ui, const ExtractedTextures& textures, const ExtractionSettings& settings,
                   const ExtractionChoices& choices, ExtractionOutput& out);

// The output types, one file per image: Targa (32-bit, alpha 0 where transparent), PNG (the same)
// or raw (24-bit, the transparency colour where transparent).
bool composeImageFiles(Ui& ui, const ExtractedTextures& textures, uint32_t outputType, bool rle,
                       Colour transparent, ExtractionOutput& out);

// One 24-bit Targa per set, 256 pixels wide, its pages stacked from the top down; a level's sets
// give only their room pages. With bump pages, also a .TBM of them, laid out alike.
bool composeRoomTextures(Ui& ui, const ExtractedTextures& textures, Colour transparent,
                         ExtractionOutput& out);

// A WAD set per page set whose .WAD holds the pages and nothing else.
bool composeTextureSets(Ui& ui, const ExtractedTextures& textures, ExtractionOutput& out);

// A .SWD whose page holds the image in its top left corner; nothing else.
bool composeSpriteWad(Ui& ui, const ExtractedTextures& textures, ExtractionOutput& out);

// Refuses an output type that cannot be made from the input, saying which combinations work.
bool refuseOutputType(Ui& ui, const ExtractedTextures& textures, uint32_t outputType);

// "title-32bit": how the files of a whole set begin ("title-32bit-room.tga", "title-32bit.WAD").
std::string setFileStem(const ExtractedTextures& textures, const TextureSet& set);
// "title-32bit-03" for page 3 of the set; "photo-image" for an image.
std::string imageFileStem(const ExtractedTextures& textures, const TextureSet& set, size_t image);

}  // namespace kavrin
