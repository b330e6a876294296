#include "formats/mesh.h"

namespace kavrin {

namespace {

constexpr uint32_t FIXED_MESH_BYTES = 16;  // sphere, radius and the three counts
constexpr uint32_t QUAD_FACE_BYTES = 12;
constexpr uint32_t TRIANGLE_FACE_BYTES = 10;

bool readVertices(ByteCursor& in, uint64_t count, std::vector<Vertex>& out) {
    if (!in.fits(count, 6)) {
        in.fail();
        return false;
    }
    out.resize(static_cast<size_t>(count));
    for (Vertex& v : out) {
        v.x = in.i16();
        v.y = in.i16();
        v.z = in.i16();
    }
    return true;
}

void readFace(ByteCursor& in, PolygonRef& polygon) {
    for (int i = 0; i < polygon.cornerCount(); ++i) polygon.vertices[i] = in.u16();
    polygon.texture = in.u16();
    polygon.attributes = in.u16();
}

bool readFaces(ByteCursor& in, uint16_t shape, std::vector<PolygonRef>& out) {
    uint16_t count = in.u16();
    uint32_t faceBytes = shape == TRIANGLE_SHAPE ? TRIANGLE_FACE_BYTES : QUAD_FACE_BYTES;
    if (!in.fits(count, faceBytes)) {
        in.fail();
        return false;
    }
    for (uint16_t i = 0; i < count; ++i) {
        PolygonRef& polygon = out.emplace_back();
        polygon.shape = shape;
        readFace(in, polygon);
    }
    return true;
}

bool readShapedPolygons(ByteCursor& in, std::vector<PolygonRef>& out) {
    uint16_t count = in.u16();
    // Each polygon takes at least a shape word and a triangle's face.
    if (!in.fits(count, 2 + TRIANGLE_FACE_BYTES)) {
        in.fail();
        return false;
    }
    out.resize(count);
    for (PolygonRef& polygon : out) {
        polygon.shape = in.u16();
        readFace(in, polygon);
    }
    return in.ok();
}

}  // namespace

bool readMesh(ByteCursor& in, MeshLayout layout, MeshInfo& out) {
    for (int16_t& c : out.centre) c = in.i16();
    out.radiusWord = in.u32();
    if (!readVertices(in, in.u16(), out.vertices)) return false;
    int16_t normals = in.i16();
    if (normals > 0) {
        out.normalCount = normals;
        if (!readVertices(in, static_cast<uint64_t>(normals), out.normals)) return false;
    } else if (normals < 0) {
        out.shadeCount = static_cast<uint16_t>(-normals);
        if (!in.fits(out.shadeCount, 2)) {
            in.fail();
            return false;
        }
        out.shades.resize(out.shadeCount);
        for (int16_t& shade : out.shades) shade = in.i16();
    }
    if (layout == MeshLayout::Wad) return readShapedPolygons(in, out.polygons);
    return readFaces(in, QUAD_SHAPE, out.polygons) && readFaces(in, TRIANGLE_SHAPE, out.polygons);
}

uint32_t wadMeshSize(const MeshInfo& mesh) {
    uint32_t size = FIXED_MESH_BYTES + 6 * static_cast<uint32_t>(mesh.vertices.size()) +
                    6 * static_cast<uint32_t>(mesh.normals.size()) +
                    2 * static_cast<uint32_t>(mesh.shades.size());
    for (const PolygonRef& polygon : mesh.polygons) {
        size += 2 + (polygon.isTriangle() ? TRIANGLE_FACE_BYTES : QUAD_FACE_BYTES);
    }
    return (size + 3) & ~3u;
}

void writeWadMesh(ByteWriter& out, const MeshInfo& mesh) {
    size_t start = out.size();
    for (int16_t c : mesh.centre) out.i16(c);
    out.u32(mesh.radiusWord);
    out.u16(static_cast<uint16_t>(mesh.vertices.size()));
    auto writeVertices = [&out](const std::vector<Vertex>& vertices) {
        for (const Vertex& v : vertices) {
            out.i16(v.x);
            out.i16(v.y);
            out.i16(v.z);
        }
    };
    writeVertices(mesh.vertices);
    if (mesh.normalCount != 0) {
        out.i16(mesh.normalCount);
        writeVertices(mesh.normals);
    } else {
        out.i16(static_cast<int16_t>(-static_cast<int32_t>(mesh.shadeCount)));
        for (int16_t shade : mesh.shades) out.i16(shade);
    }
    out.u16(static_cast<uint16_t>(mesh.polygons.size()));
    for (const PolygonRef& polygon : mesh.polygons) {
        out.u16(polygon.shape);
        for (int i = 0; i < polygon.cornerCount(); ++i) out.u16(polygon.vertices[i]);
        out.u16(polygon.texture);
        out.u16(polygon.attributes);
    }
    out.zeros(start + wadMeshSize(mesh) - out.size());
}

uint16_t textureIndexOfWord(uint16_t word) {
    uint32_t value = word;
    if ((word >> 12) == NEGATED_TEXTURE_FLAGS) value = 0u - value;
    return static_cast<uint16_t>(value & 0x0FFF);
}

uint16_t textureWordWithIndex(uint16_t word, uint32_t index) {
    uint16_t top = word >> 12;
    uint32_t value = top == NEGATED_TEXTURE_FLAGS ? 0u - index : index;
    return static_cast<uint16_t>((value & 0x0FFF) | (top << 12));
}

}  // namespace kavrin
