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

// A room by its element counts; the builder writes zero bytes for the elements.
struct SyntheticRoom {
    uint16_t vertices = 0;
    uint16_t rectangles = 0;
    uint16_t triangles = 0;
    uint16_t sprites = 0;
    uint16_t portals = 0;
    uint16_t sectorsZ = 1;
    uint16_t sectorsX = 1;
    uint16_t lights = 0;
    uint16_t staticMeshes = 0;
};

// The animations, moveables and static meshes are its ObjectRecords, written in their place.
// The outer file holds one blank 32-bit texture page.
struct SyntheticLevel : ObjectRecords {
    SyntheticLevel() { soundMap.fill(NO_SOUND); }
    std::vector<SyntheticRoom> rooms;
    uint32_t floorWords = 0;
    // Written in level layout: the rectangles (shape 9) first, then the triangles (shape 8).
    std::vector<MeshInfo> meshes;  // one mesh pointer each
    // Counts of the sections nobody converts; their elements are written as bytes of 0xEE.
    uint32_t spriteTextures = 0;
    uint32_t spriteSequences = 0;
    uint32_t cameras = 0;
    uint32_t flybyCameras = 0;
    uint32_t soundSources = 0;
    uint32_t boxes = 0;
    uint32_t overlaps = 0;
    uint32_t animatedTextureWords = 0;
    std::vector<LevelObjectTexture> objectTextures;
    uint32_t items = 0;
    uint32_t aiObjects = 0;
    uint16_t demoBytes = 0;
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
