// Builds object WAD and sprite WAD bytes from plain records, so a test shows only the parts that
// matter to it. Every section is written as the files store it: a count, then the data. Needs only
// the core library, so the fuzz seed writer uses it too.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/mesh.h"
#include "formats/object_records.h"
#include "formats/wad_records.h"

namespace kavrin::test {

// The animations, moveables and static meshes are its ObjectRecords.
struct SyntheticWad : ObjectRecords {
    std::vector<ObjectTexture> textures;
    uint32_t pageCount = 0;              // pages of 196608 bytes, their pixels a pattern
    std::vector<uint32_t> meshPointers;  // see meshStarts
    std::vector<MeshInfo> meshes;        // written back to back, each padded to 4 bytes
    std::vector<uint8_t> meshDataTail;   // raw bytes after the meshes; keep the length even
};

std::vector<uint8_t> wadBytes(const SyntheticWad& wad);

// Where each mesh starts in the mesh data as wadBytes lays them out.
std::vector<uint32_t> meshStarts(std::span<const MeshInfo> meshes);

// A mesh of `vertexCount` vertices at (i, 2i, 3i) with one triangle over the first three, using
// object texture 0, and `lighting` normals (positive) or shades (negative).
MeshInfo triangleMesh(uint16_t vertexCount, int16_t lighting);

// A WAD that holds one of everything and passes every reference check: a moveable of two meshes
// with two animations, one state change and dispatch, a command, a static mesh, one page.
SyntheticWad smallWad();

// Writes `bytes` to `path`; false when the file cannot be written.
bool writeBytes(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace kavrin::test
