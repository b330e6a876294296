#include "level/level_reader.h"

#include <algorithm>

#include "formats/derived_tables.h"
#include "formats/object_references.h"
#include "framework/file_record.h"
#include "framework/refusal.h"
#include "framework/ui.h"
#include "level/level_conversion.h"

namespace kavrin {

void decodeRecord(ByteCursor& in, LevelObjectTexture& out) {
    out.attributes = in.u16();
    out.tile = in.u16();
    out.newFlags = in.u16();
    for (LevelObjectTexture::Corner& corner : out.corners) {
        corner.xMarker = in.u8();
        corner.xPixel = in.u8();
        corner.yMarker = in.u8();
        corner.yPixel = in.u8();
    }
    in.skip(8);  // two values the conversion has no use for
    out.width = in.u32();
    out.height = in.u32();
}

namespace {

// The markers that open the sprite textures and the object textures. Engines that store some
// section in another size leave the walk misaligned, and the markers are where that shows.
constexpr uint8_t SPRITE_MARKER[] = {'S', 'P', 'R'};
constexpr uint32_t TEXTURE_MARKER_TAG = 0x584554;  // "TEX" in the marker word's upper bytes

constexpr uint32_t ZONE_BYTES = 20;
constexpr uint32_t WAD_TEXTURE_INDEX_LIMIT = 0x1000;  // a texture word holds 12 bits of index

// The walk over the level data. Reads past the end fail the cursor, and `failed` keeps the
// label of the section where that first happened.
struct LevelDataWalk {
    Ui& ui;
    const std::string& path;
    ByteCursor in;
    const char* failed = nullptr;

    void check(const char* label) {
        if (!in.ok() && !failed) failed = label;
    }
    bool refused() const {
        if (failed) {
            refuseFile(ui, path, "the %s section runs past the end of the level data", failed);
        }
        return failed != nullptr;
    }
};

LevelSection countedSection(ByteCursor& in, uint32_t count, uint32_t elementSize) {
    LevelSection section{count, static_cast<uint32_t>(in.offset())};
    in.skip(uint64_t{count} * elementSize);
    return section;
}

LevelSection skipSection(LevelDataWalk& walk, const char* label, uint32_t elementSize) {
    LevelSection section = countedSection(walk.in, walk.in.u32(), elementSize);
    walk.check(label);
    return section;
}

template <class T>
void readSection(LevelDataWalk& walk, const char* label, std::vector<T>& out) {
    readRecords(walk.in, walk.in.u32(), out);
    walk.check(label);
}

void readWordSection(LevelDataWalk& walk, const char* label, std::vector<uint32_t>& out) {
    out = readWords32(walk.in, walk.in.u32());
    walk.check(label);
}

void readRoom(ByteCursor& in, RoomRecord& room) {
    room.offset = static_cast<uint32_t>(in.offset());
    in.skip(16);  // position and vertical extent
    room.dataWordCount = in.u32();
    room.vertices = countedSection(in, in.u16(), 12);
    room.rectangles = countedSection(in, in.u16(), 10);
    room.triangles = countedSection(in, in.u16(), 8);
    room.sprites = countedSection(in, in.u16(), 4);
    room.portals = countedSection(in, in.u16(), 32);
    room.sectorCountZ = in.u16();
    room.sectorCountX = in.u16();
    room.sectorsOffset =
        countedSection(in, uint32_t{room.sectorCountZ} * room.sectorCountX, 8).offset;
    room.colour[0] = in.u16();
    room.colour[1] = in.u16();
    room.lights = countedSection(in, in.u16(), 46);
    room.staticMeshes = countedSection(in, in.u16(), 20);
    room.alternateRoom = in.i16();
    room.flags = in.i16();
    room.trailingOffset = countedSection(in, 1, 3).offset;
}

void readRooms(LevelDataWalk& walk, std::vector<RoomRecord>& rooms) {
    rooms.resize(walk.in.u16());
    for (size_t i = 0; i < rooms.size() && walk.in.ok(); ++i) {
        progressSub(walk.ui, static_cast<int>(static_cast<double>(i) / rooms.size() * 25), nullptr);
        readRoom(walk.in, rooms[i]);
    }
    walk.check("Rooms");
}

// The meshes lie back to back, each padded to a multiple of 4 bytes from the start of the mesh
// data; the walk must end exactly where the mesh data ends.
bool readMeshes(LevelDataWalk& walk, LevelRecord& level) {
    level.meshData.count = walk.in.u32();
    level.meshData.offset = static_cast<uint32_t>(walk.in.offset());
    std::span<const uint8_t> bytes = walk.in.take(uint64_t{level.meshData.count} * 2);
    walk.check("Meshes");
    if (walk.refused()) return false;

    ByteCursor meshes(bytes);
    while (!meshes.atEnd()) {
        progressSub(walk.ui,
                    static_cast<int>(static_cast<double>(meshes.offset()) / bytes.size() * 25),
                    nullptr);
        level.meshOffsets.push_back(static_cast<uint32_t>(meshes.offset()));
        if (!readMesh(meshes, MeshLayout::Level, level.meshes.emplace_back()) ||
            !meshes.skip((4 - meshes.offset() % 4) % 4)) {
            return refuseFile(walk.ui, walk.path, "the meshes do not end where the mesh data ends");
        }
    }
    return true;
}

bool markerMismatch(LevelDataWalk& walk, const char* marker, const char* section) {
    return refuseFile(walk.ui, walk.path,
                      "the level data does not have the layout of a Tomb Raider 4 level: no \"%s\" "
                      "marker before the %s section",
                      marker, section);
}

// The conversion looks up each face's object texture by the face's texture field, and the merged
// index it writes back must fit the 12 bits a WAD texture word has for it.
bool checkFaceTextures(LevelDataWalk& walk, const LevelRecord& level) {
    const size_t count = level.objectTextures.size();
    for (size_t m = 0; m < level.meshes.size(); ++m) {
        for (const PolygonRef& polygon : level.meshes[m].polygons) {
            if (polygon.texture >= count) {
                return refuseFile(walk.ui, walk.path,
                                  "a face of mesh %zu uses object texture %u of only %zu", m,
                                  polygon.texture, count);
            }
            if (polygon.texture >= WAD_TEXTURE_INDEX_LIMIT) {
                return refuseFile(walk.ui, walk.path,
                                  "a face of mesh %zu uses object texture %u; a WAD can address "
                                  "only %u",
                                  m, polygon.texture, WAD_TEXTURE_INDEX_LIMIT);
            }
        }
    }
    return true;
}

// The sound map names sound details, and each detail its first sample. Besides keeping the save
// from following a wrong index, this catches levels whose later sections have other sizes.
bool checkSounds(LevelDataWalk& walk, const LevelRecord& level) {
    for (size_t n = 0; n < level.soundMap.size(); ++n) {
        uint16_t detail = level.soundMap[n];
        if (detail != NO_SOUND && detail >= level.soundDetails.size()) {
            return refuseFile(walk.ui, walk.path, "sound %zu uses sound detail %u of only %zu", n,
                              detail, level.soundDetails.size());
        }
    }
    for (size_t d = 0; d < level.soundDetails.size(); ++d) {
        uint16_t first = level.soundDetails[d].firstSample;
        if (first >= level.sampleIndices.size()) {
            return refuseFile(walk.ui, walk.path,
                              "sound detail %zu starts at sample %u of only %zu", d, first,
                              level.sampleIndices.size());
        }
    }
    return true;
}

}  // namespace

bool parseLevelData(Ui& ui, const std::string& path, std::span<const uint8_t> data,
                    LevelRecord& level) {
    LevelDataWalk walk{ui, path, ByteCursor(data)};
    ByteCursor& in = walk.in;

    progressMark(ui, "Parsing level");
    level.leadingWord = in.u32();
    readRooms(walk, level.rooms);
    level.floors = skipSection(walk, "Floors", 2);
    if (walk.refused()) return false;

    progressMark(ui, nullptr);
    if (!readMeshes(walk, level)) return false;
    readWordSection(walk, "Mesh Pointers", level.meshPointers);
    if (const char* section = readObjectRecords(in, level); section && !walk.failed) {
        walk.failed = section;
    }
    level.spriteMarkerOffset = static_cast<uint32_t>(in.offset());
    std::span<const uint8_t> spriteMarker = in.take(sizeof SPRITE_MARKER);
    walk.check("Sprite Textures");
    if (walk.refused()) return false;
    if (!std::equal(spriteMarker.begin(), spriteMarker.end(), SPRITE_MARKER)) {
        return markerMismatch(walk, "SPR", "Sprite Textures");
    }

    level.spriteTextures = skipSection(walk, "Sprite Textures", 16);
    level.spriteSequences = skipSection(walk, "Sprite Sequences", 8);
    level.cameras = skipSection(walk, "Cameras", 16);
    level.flybyCameras = skipSection(walk, "Flyby Cameras", 40);
    level.soundSources = skipSection(walk, "Sound Sources", 16);
    level.boxes = skipSection(walk, "Boxes", 8);
    level.overlaps = skipSection(walk, "Overlaps", 2);
    level.zonesOffset = countedSection(in, level.boxes.count, ZONE_BYTES).offset;
    walk.check("Zones");
    level.animatedTextures = skipSection(walk, "Animated Textures", 2);
    level.textureMarker = in.u32();
    walk.check("Object Textures");
    if (walk.refused()) return false;
    if (level.textureMarker >> 8 != TEXTURE_MARKER_TAG) {
        return markerMismatch(walk, "TEX", "Object Textures");
    }

    readSection(walk, "Object Textures", level.objectTextures);
    level.items = skipSection(walk, "Items", 24);
    level.aiObjects = skipSection(walk, "AI Objects", 24);
    level.demoData = countedSection(in, in.u16(), 1);
    walk.check("Demo Bytes");
    std::vector<uint16_t> soundMap = readWords16(in, SOUND_COUNT);
    std::copy(soundMap.begin(), soundMap.end(), level.soundMap.begin());
    walk.check("Sound Map");
    readSection(walk, "Sound Details", level.soundDetails);
    readWordSection(walk, "Sample Indices", level.sampleIndices);
    if (walk.refused()) return false;
    level.walkEndOffset = static_cast<uint32_t>(in.offset());
    level.meshOfPointer = mapMeshPointers(level.meshPointers, level.meshOffsets);
    return checkFaceTextures(walk, level) && checkSounds(walk, level);
}

namespace {

// The indices the save follows, checked by the rule every source shares, on the level's objects as
// they will look once converted.
bool checkReferences(Ui& ui, const std::string& path, const LevelRecord& level) {
    std::vector<ObjectTexture> textures(level.objectTextures.size());
    std::transform(level.objectTextures.begin(), level.objectTextures.end(), textures.begin(),
                   convertObjectTexture);
    const std::string broken = findBrokenReference({
        .records = level,
        .meshPointers = level.meshPointers,
        .meshOfPointer = level.meshOfPointer,
        .meshOffsets = level.meshOffsets,
        .meshInfos = level.meshes,
        .textures = textures,
        .texturePageCount = static_cast<uint32_t>(level.texturePages32.size() / LEVEL_PAGE_BYTES),
    });
    return broken.empty() || refuseFile(ui, path, "%s", broken.c_str());
}

}  // namespace

bool parseLevel(FileRecord& record, ParseContext& context) {
    Ui& ui = context.ui;
    record.contents = LevelRecord{};
    LevelFile file;
    if (!readLevelFile(ui, record.path, record.bytes(), file)) return false;
    LevelRecord level;
    level.version = LEVEL_VERSION;
    level.roomPageCount = file.roomPageCount;
    level.objectPageCount = file.objectPageCount;
    level.bumpPageCount = file.bumpPageCount;

    progressStep(ui, "Decompressing texture");
    if (!inflateLevelChunk(ui, record.path, file.pages32, level.texturePages32)) return false;
    progressStep(ui, "Decompressing level data");
    std::vector<uint8_t> data;
    if (!inflateLevelChunk(ui, record.path, file.levelData, data)) return false;
    level.pages32 = file.pages32.sizes;
    level.pages16 = file.pages16.sizes;
    level.miscPages = file.miscPages.sizes;
    level.levelData = file.levelData.sizes;
    if (!parseLevelData(ui, record.path, data, level) || !checkReferences(ui, record.path, level)) {
        return false;
    }

    // The raw file is no longer needed: the record keeps the level data in its place.
    record.size = static_cast<uint32_t>(data.size());
    data.push_back(0);
    record.buffer = std::move(data);
    record.contents = std::move(level);
    return true;
}

}  // namespace kavrin
