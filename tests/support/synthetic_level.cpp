#include "support/synthetic_level.h"

#include <zlib.h>

#include <cstdlib>
#include <type_traits>

#include "framework/bytes.h"

namespace kavrin::test {

namespace {

constexpr uint8_t FILLER = 0xEE;

void writeVertices(ByteWriter& out, const std::vector<Vertex>& vertices) {
    for (const Vertex& v : vertices)
        out.words16(std::array{uint16_t(v.x), uint16_t(v.y), uint16_t(v.z)});
}

void writeFaces(ByteWriter& out, const MeshInfo& mesh, bool triangles) {
    uint16_t count = 0;
    for (const PolygonRef& polygon : mesh.polygons)
        count += polygon.isTriangle() == triangles;
    out.u16(count);
    for (const PolygonRef& polygon : mesh.polygons) {
        if (polygon.isTriangle() != triangles) continue;
        for (int i = 0; i < polygon.cornerCount(); ++i)
            out.u16(polygon.vertices[i]);
        out.u16(polygon.texture);
        out.u16(polygon.attributes);
    }
}

void writeLevelMesh(ByteWriter& out, const MeshInfo& mesh) {
    for (int16_t c : mesh.centre)
        out.i16(c);
    out.u32(mesh.radiusWord);
    out.u16(static_cast<uint16_t>(mesh.vertices.size()));
    writeVertices(out, mesh.vertices);
    if (!mesh.normals.empty()) {
        out.i16(static_cast<int16_t>(mesh.normals.size()));
        writeVertices(out, mesh.normals);
    } else {
        out.i16(static_cast<int16_t>(-static_cast<int>(mesh.shades.size())));
        for (int16_t shade : mesh.shades)
            out.i16(shade);
    }
    writeFaces(out, mesh, false);
    writeFaces(out, mesh, true);
}

void writeObjectTexture(ByteWriter& out, const LevelObjectTexture& texture) {
    out.u16(texture.attributes);
    out.u16(texture.tile);
    out.u16(texture.newFlags);
    for (const LevelObjectTexture::Corner& c : texture.corners)
        out.raw(std::vector<uint8_t>{c.xMarker, c.xPixel, c.yMarker, c.yPixel});
    out.zeros(8);
    out.u32(texture.width);
    out.u32(texture.height);
}

struct LayoutWriter {
    ByteWriter out;
    SyntheticLevelLayout* layout;

    void mark(const std::string& label) {
        if (layout) (*layout)[label] = static_cast<uint32_t>(out.size());
    }
    // A count and then `count` elements of `size` filler bytes.
    void filler(const std::string& label, uint32_t count, uint32_t size) {
        out.u32(count);
        mark(label);
        out.raw(std::vector<uint8_t>(size_t{count} * size, FILLER));
    }
    // A count and then the elements: 16- or 32-bit words, or records.
    template <class T>
    void counted(const std::string& label, const std::vector<T>& items) {
        out.u32(static_cast<uint32_t>(items.size()));
        mark(label);
        if constexpr (std::is_same_v<T, uint16_t>)
            out.words16(items);
        else if constexpr (std::is_same_v<T, uint32_t>)
            out.words32(items);
        else
            writeRecords(out, items);
    }
};

void writeRoom(ByteWriter& out) {
    out.zeros(16);
    out.u32(0);  // data word count: recorded, never used to skip
    auto one = [&out](size_t size) {
        out.u16(1);
        out.zeros(size);
    };
    for (size_t size : {12, 10, 8, 4, 32})  // vertex, rectangle, triangle, sprite, portal
        one(size);
    out.u16(2);
    out.u16(3);
    out.zeros(2 * 3 * 8);  // the sectors
    out.u16(0x1234);
    out.u16(0x5678);
    one(46);  // a light
    one(20);  // a static mesh
    out.i16(-1);
    out.i16(0);
    out.zeros(3);
}

// A zlib chunk: the size it inflates to (as stated), its stream's size, the stream.
void writeChunk(ByteWriter& out, const std::vector<uint8_t>& bytes, uint32_t statedSize) {
    uLongf size = compressBound(bytes.size());
    std::vector<uint8_t> stream(size);
    if (compress(stream.data(), &size, bytes.data(), bytes.size()) != Z_OK) std::abort();
    stream.resize(size);
    out.u32(statedSize);
    out.u32(static_cast<uint32_t>(stream.size()));
    out.raw(stream);
}

}  // namespace

std::vector<uint8_t> buildLevelData(const SyntheticLevel& level, SyntheticLevelLayout* layout) {
    LayoutWriter w{ByteWriter(), layout};
    ByteWriter& out = w.out;
    out.u32(0);  // leading word
    out.u16(level.rooms);
    w.mark("Rooms");
    for (int room = 0; room < level.rooms; ++room)
        writeRoom(out);
    w.filler("Floors", level.unread, 2);

    ByteWriter meshes;
    std::vector<uint32_t> offsets;
    for (const MeshInfo& mesh : level.meshes) {
        offsets.push_back(static_cast<uint32_t>(meshes.size()));
        writeLevelMesh(meshes, mesh);
        meshes.zeros((4 - meshes.size() % 4) % 4);
    }
    out.u32(static_cast<uint32_t>(meshes.size() / 2));
    w.mark("Meshes");
    out.raw(meshes.bytes());
    w.counted("Mesh Pointers", offsets);

    w.counted("Animations", level.animations);
    w.counted("States", level.stateChanges);
    w.counted("Dispatches", level.dispatches);
    w.counted("Animation Commands", level.commands);
    w.counted("Mesh Trees", level.meshTrees);
    w.counted("Frames", level.frames);
    w.counted("Moveables", level.moveables);
    w.counted("Static Meshes", level.statics);

    w.mark("Sprite Marker");
    out.text("SPR");
    w.filler("Sprite Textures", level.unread, 16);
    w.filler("Sprite Sequences", level.unread, 8);
    w.filler("Cameras", level.unread, 16);
    w.filler("Flyby Cameras", level.unread, 40);
    w.filler("Sound Sources", level.unread, 16);
    w.filler("Boxes", level.unread, 8);
    w.filler("Overlaps", level.unread, 2);
    w.mark("Zones");
    out.raw(std::vector<uint8_t>(size_t{level.unread} * 20, FILLER));  // one zone per box
    w.filler("Animated Textures", level.unread, 2);
    w.mark("Texture Marker");
    out.u8(1);
    out.text("TEX");
    out.u32(static_cast<uint32_t>(level.objectTextures.size()));
    w.mark("Object Textures");
    for (const LevelObjectTexture& texture : level.objectTextures)
        writeObjectTexture(out, texture);
    w.filler("Items", level.unread, 24);
    w.filler("AI Objects", level.unread, 24);
    out.u16(2 * level.unread);  // in bytes: two, so that a cut after one lies inside them
    w.mark("Demo Bytes");
    out.raw(std::vector<uint8_t>(2 * level.unread, FILLER));
    w.mark("Sound Map");
    out.words16(level.soundMap);
    w.counted("Sound Details", level.soundDetails);
    w.counted("Sample Indices", level.sampleIndices);
    w.mark("End");
    return out.release();
}

std::vector<uint8_t> buildLevelFile(const SyntheticLevel& level,
                                    std::optional<uint32_t> statedDataSize) {
    ByteWriter out;
    out.u32(LEVEL_VERSION);
    out.u16(0);  // room pages
    out.u16(1);  // object pages
    out.u16(0);  // bump pages
    writeChunk(out, std::vector<uint8_t>(LEVEL_PAGE_BYTES, 0), LEVEL_PAGE_BYTES);
    writeChunk(out, std::vector<uint8_t>(16, 0x16), 16);  // the 16-bit pages
    writeChunk(out, std::vector<uint8_t>(16, 0x3C), 16);  // the misc pages
    std::vector<uint8_t> data = buildLevelData(level);
    writeChunk(out, data, statedDataSize.value_or(static_cast<uint32_t>(data.size())));
    return out.release();
}

MeshInfo syntheticMesh(std::vector<PolygonRef> polygons) {
    MeshInfo mesh;
    mesh.vertices = {{1, 2, 3}};
    mesh.polygons = std::move(polygons);
    return mesh;
}

PolygonRef syntheticFace(uint16_t shape, uint16_t texture) {
    return {.shape = shape, .texture = texture};
}

LevelObjectTexture syntheticObjectTexture(uint8_t page, uint8_t x, uint8_t y) {
    LevelObjectTexture texture;
    texture.tile = page;
    texture.corners = {{{0, x, 0, y},
                        {0, uint8_t(x + 15), 0, y},
                        {0, uint8_t(x + 15), 0, uint8_t(y + 15)},
                        {0, x, 0, uint8_t(y + 15)}}};
    texture.width = 15;
    texture.height = 15;
    return texture;
}

SyntheticLevel populatedLevel() {
    SyntheticLevel level;
    level.rooms = 2;
    level.unread = 1;
    level.meshes = {
        syntheticMesh({syntheticFace(QUAD_SHAPE, 0), syntheticFace(TRIANGLE_SHAPE, 1)})};
    level.animations = {Animation{}};
    level.stateChanges = {StateChange{}};
    level.dispatches = {Dispatch{}};
    level.commands = {3};
    level.meshTrees = {0, 0, 0, 0};
    level.frames = {1, 2, 3};
    level.moveables = {Moveable{}};
    level.statics = {StaticMesh{}};
    level.objectTextures = {syntheticObjectTexture(0, 0, 0), syntheticObjectTexture(0, 16, 0)};
    level.soundDetails = {SoundInfo{}};
    level.sampleIndices = {0};
    return level;
}

}  // namespace kavrin::test
