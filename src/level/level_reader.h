// Compiled Tomb Raider 4 levels (.tr4): the outer file with its zlib chunks, and the level data
// inside it, walked section by section.
//
// The sections the level conversion uses are decoded into owned tables; the others keep only their
// count and where they start in the inflated level data, which becomes the file record's buffer.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/mesh.h"
#include "formats/object_records.h"
#include "formats/sound_files.h"
#include "formats/wad_records.h"
#include "level/level_chunks.h"

namespace kavrin {

struct FileRecord;
struct ParseContext;
struct Ui;

// Elements of a section nobody decodes: how many, and the byte offset of the first one in the
// inflated level data.
struct LevelSection {
    uint32_t count = 0;
    uint32_t offset = 0;
};

struct RoomRecord {
    uint32_t offset = 0;  // of the room's first byte
    uint32_t dataWordCount = 0;
    LevelSection vertices;
    LevelSection rectangles;
    LevelSection triangles;
    LevelSection sprites;
    LevelSection portals;
    uint16_t sectorCountZ = 0;
    uint16_t sectorCountX = 0;
    uint32_t sectorsOffset = 0;
    std::array<uint16_t, 2> colour{};  // low word first
    LevelSection lights;
    LevelSection staticMeshes;
    int16_t alternateRoom = 0;
    int16_t flags = 0;
    uint32_t trailingOffset = 0;  // water scheme, reverb and alternate group
};

// An object texture as a level stores it (38 bytes): a page and up to four corners.
struct LevelObjectTexture {
    struct Corner {
        uint8_t xMarker = 0;
        uint8_t xPixel = 0;
        uint8_t yMarker = 0;
        uint8_t yPixel = 0;
    };
    uint16_t attributes = 0;
    uint16_t tile = 0;      // low byte: the page; a non-zero high byte: three corners
    uint16_t newFlags = 0;  // its low byte becomes the flag bits of a face's texture word
    std::array<Corner, 4> corners{};
    uint32_t width = 0;   // its low byte is the width in pixels minus one
    uint32_t height = 0;  // its low byte is the height in pixels minus one

    uint8_t page() const { return static_cast<uint8_t>(tile); }
    int cornerCount() const { return (tile >> 8) != 0 ? 3 : 4; }
};

template <>
inline constexpr uint32_t RECORD_SIZE<LevelObjectTexture> = 38;
void decodeRecord(ByteCursor& in, LevelObjectTexture& out);

struct LevelRecord : ObjectRecords {
    uint32_t version = 0;
    uint16_t roomPageCount = 0;
    uint16_t objectPageCount = 0;
    uint16_t bumpPageCount = 0;
    LevelChunk pages32;
    LevelChunk pages16;
    LevelChunk miscPages;
    LevelChunk levelData;
    std::vector<uint8_t> texturePages32;  // 256 x 256 pages of blue, green, red, alpha pixels

    // The level data, in file order.
    uint32_t leadingWord = 0;
    std::vector<RoomRecord> rooms;
    LevelSection floors;                  // in 16-bit words
    LevelSection meshData;                // in 16-bit words
    std::vector<MeshInfo> meshes;         // in mesh-data order
    std::vector<uint32_t> meshOffsets;    // per mesh: bytes from the start of the mesh data
    std::vector<uint32_t> meshPointers;   // byte offsets of meshes in the mesh data
    std::vector<uint32_t> meshOfPointer;  // derived: per mesh pointer, the mesh it names
    // The animations, moveables and static meshes lie here, as ObjectRecords (in a WAD's order).
    uint32_t spriteMarkerOffset = 0;
    LevelSection spriteTextures;
    LevelSection spriteSequences;
    LevelSection cameras;
    LevelSection flybyCameras;
    LevelSection soundSources;
    LevelSection boxes;
    LevelSection overlaps;
    uint32_t zonesOffset = 0;       // one zone record per box
    LevelSection animatedTextures;  // in 16-bit words
    uint32_t textureMarker = 0;
    std::vector<LevelObjectTexture> objectTextures;
    LevelSection items;
    LevelSection aiObjects;
    LevelSection demoData;  // in bytes
    std::array<uint16_t, SOUND_COUNT> soundMap{};
    std::vector<SoundInfo> soundDetails;
    std::vector<uint32_t> sampleIndices;
    // Where the walk ended. Engines that extend the format put more data after it; it is not read.
    uint32_t walkEndOffset = 0;

    // Set by the level conversion, which rewrites the meshes' texture words in place.
    bool converted = false;
};

// Parse operation of FILE_LEVEL and FILE_LEVEL_REFERENCE. The record's contents become a
// LevelRecord: the complete one on success, an empty one when the file is refused. On success the
// record's buffer holds the inflated level data. Destroying the record releases everything.
// A chunk that does not inflate to its stated size, a section running past the level data, meshes
// that do not fill the mesh data exactly, a marker out of place or an index leading outside its
// table (findBrokenReference, on the objects as they will be converted) refuses the file with one
// message.
bool parseLevel(FileRecord& record, ParseContext& context);

// Walks inflated level data into `level`; false after one message naming `path`. parseLevel's
// second half, reachable on its own for tests and fuzzing. It checks what the conversion itself
// relies on (face textures, sounds), not the indices only the save follows.
bool parseLevelData(Ui& ui, const std::string& path, std::span<const uint8_t> data,
                    LevelRecord& level);

}  // namespace kavrin
