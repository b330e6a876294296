// Turning a parsed level into the object source block a WAD set offers, so that its moveables and
// static meshes can be placed and saved like any WAD set's.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editing/object_source_block.h"
#include "formats/derived_tables.h"
#include "formats/wad_records.h"

namespace kavrin {

struct LevelObjectTexture;
struct LevelRecord;
struct Ui;

// What the conversion makes; everything else the block shows lives in the LevelRecord.
struct ConvertedLevel {
    std::vector<std::string> sampleNames;  // per level sample
    std::vector<ObjectTexture> textures;   // per level object texture, same index
    std::vector<uint8_t> texturePages;     // the level's pages as 256 x 256 RGB pages
    std::vector<uint32_t> meshSize;        // per mesh: its size in a WAD
    AnimationTables animationTables;
};

// Converts the level into `converted` and returns the block viewing both. The meshes' texture
// words are rewritten in place into WAD numbering, so a level is converted once: called again, it
// changes nothing and returns the block of the level and `converted` as they stand.
ObjectSourceBlock convertLevel(Ui& ui, LevelRecord& level, ConvertedLevel& converted);

// A level's object texture as a WAD stores it: the bounding box of the corners it uses on its
// page, flagged when any of those corners has a marker byte of 255.
ObjectTexture convertObjectTexture(const LevelObjectTexture& texture);

// Blue, green, red, alpha pixels to red, green, blue ones; a pixel with alpha 0 becomes the
// transparent colour FF 00 FF.
std::vector<uint8_t> convertBitmap(Ui& ui, std::span<const uint8_t> pixels);

// Within one mesh, polygons whose textures are equal in all eight bytes share the index of the one
// met first. `seen` holds the indices met so far in the mesh; a texture equal to none is added.
uint16_t findTextureDuplicate(uint16_t texture, std::span<const ObjectTexture> textures,
                              std::vector<uint16_t>& seen);

}  // namespace kavrin
