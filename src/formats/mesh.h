// Meshes as WAD files and compiled levels store them.
//
// Both store the sphere, the vertices and the normals or shades alike; they differ in the polygons.
// A WAD mesh lists its polygons with a shape word each (8 a triangle, anything else a quad); a
// level mesh lists its textured rectangles and then its textured triangles, with no shape words.
// Read either way, a mesh becomes one MeshInfo: rectangles of a level get shape 9, triangles
// shape 8.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "framework/bytes.h"

namespace kavrin {

struct Vertex {
    int16_t x = 0;
    int16_t y = 0;
    int16_t z = 0;
    bool operator==(const Vertex&) const = default;
};

inline constexpr uint16_t TRIANGLE_SHAPE = 8;
inline constexpr uint16_t QUAD_SHAPE = 9;

// One polygon: its shape word and its face (vertex indices, texture word, attributes).
struct PolygonRef {
    uint16_t shape = QUAD_SHAPE;
    std::array<uint16_t, 4> vertices{};  // a triangle uses the first three
    uint16_t texture = 0;
    uint16_t attributes = 0;

    bool isTriangle() const { return shape == TRIANGLE_SHAPE; }
    int cornerCount() const { return isTriangle() ? 3 : 4; }
    bool operator==(const PolygonRef&) const = default;
};

struct MeshInfo {
    std::array<int16_t, 3> centre{};
    uint32_t radiusWord = 0;
    std::vector<Vertex> vertices;
    int16_t normalCount = 0;  // 0 when the mesh has shades or nothing
    std::vector<Vertex> normals;
    uint16_t shadeCount = 0;  // 0 unless shades follow
    std::vector<int16_t> shades;
    std::vector<PolygonRef> polygons;
    bool operator==(const MeshInfo&) const = default;
};

enum class MeshLayout { Wad, Level };

// Reads one mesh at the cursor (not the padding after it); false, with the cursor failed, when the
// mesh runs past the end of the data.
bool readMesh(ByteCursor& in, MeshLayout layout, MeshInfo& out);

// The bytes the mesh occupies in a WAD, padding to a multiple of 4 included.
uint32_t wadMeshSize(const MeshInfo& mesh);

// Appends the mesh in WAD layout, padded with zeros to wadMeshSize.
void writeWadMesh(ByteWriter& out, const MeshInfo& mesh);

// Texture words: the top four bits are flags; when they are all set the word holds the negated
// object texture index.
inline constexpr uint16_t NEGATED_TEXTURE_FLAGS = 15;
uint16_t textureIndexOfWord(uint16_t word);
uint16_t textureWordWithIndex(uint16_t word, uint32_t index);

}  // namespace kavrin
