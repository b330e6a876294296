// Builds compiled levels from small structs: the inflated level data, and the outer .tr4 file
// around it with its zlib chunks.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "formats/mesh.h"
#include "formats/sound_files.h"
#include "formats/wad_records.h"
#include "level/level_reader.h"

namespace kavrin::test {

// The animations, moveables and static meshes are its ObjectRecords, written in their place.
// The outer file holds one blank 32-bit texture page.
struct SyntheticLevel : ObjectRecords {
    SyntheticLevel() { soundMap.fill(NO_SOUND); }
    // Rooms of two by three sectors and one element of each kind, written as zero bytes.
    uint16_t rooms = 0;
    // The element count of every section nobody converts; the elements are bytes of 0xEE.
    uint16_t unread = 0;
    // Written in level layout: the rectangles (shape 9) first, then the triangles (shape 8).
    std::vector<MeshInfo> meshes;  // one mesh pointer each
    std::vector<LevelObjectTexture> objectTextures;
    std::array<uint16_t, SOUND_COUNT> soundMap;
    std::vector<SoundInfo> soundDetails;
    std::vector<uint32_t> sampleIndices;
};

// Where the builder put each section's first element (for "Sprite Marker" and "Texture Marker",
// the marker itself), by the section's label.
using SyntheticLevelLayout = std::map<std::string, uint32_t>;

std::vector<uint8_t> buildLevelData(const SyntheticLevel& level,
                                    SyntheticLevelLayout* layout = nullptr);

// The outer file. `statedDataSize` replaces the level data's true size in the file's header.
std::vector<uint8_t> buildLevelFile(const SyntheticLevel& level,
                                    std::optional<uint32_t> statedDataSize = {});

// A minimal mesh: one vertex, no normals, the given rectangles and triangles.
MeshInfo syntheticMesh(std::vector<PolygonRef> polygons);
// A polygon of the given shape on vertex 0 with a texture field.
PolygonRef syntheticFace(uint16_t shape, uint16_t texture);

// A four-corner object texture on `page` with its top left corner at (x, y).
LevelObjectTexture syntheticObjectTexture(uint8_t page, uint8_t x, uint8_t y);

// A level in which every section holds something, for walks that must reach them all.
SyntheticLevel populatedLevel();

}  // namespace kavrin::test
