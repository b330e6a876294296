#include "support/synthetic_wad.h"

#include <fstream>

#include "formats/wad.h"
#include "formats/wad_file.h"

namespace kavrin::test {

std::vector<uint8_t> wadBytes(const SyntheticWad& wad) {
    ByteWriter meshData;
    for (const MeshInfo& mesh : wad.meshes)
        writeWadMesh(meshData, mesh);
    meshData.raw(wad.meshDataTail);
    // Pixels that differ from row to row and page to page, so a texture moved carries its own.
    std::vector<uint8_t> pages(size_t{wad.pageCount} * TEXTURE_PAGE_BYTES);
    for (size_t i = 0; i < pages.size(); ++i)
        pages[i] = static_cast<uint8_t>(i / TEXTURE_ROW_BYTES + i % 7);
    return encodeWadFile({.version = 129,
                          .textures = wad.textures,
                          .texturePages = pages,
                          .meshPointers = wad.meshPointers,
                          .meshData = meshData.bytes(),
                          .animations = wad.animations,
                          .stateChanges = wad.stateChanges,
                          .dispatches = wad.dispatches,
                          .commands = wad.commands,
                          .meshTrees = wad.meshTrees,
                          .frames = wad.frames,
                          .moveables = wad.moveables,
                          .statics = wad.statics});
}

std::vector<uint32_t> meshStarts(std::span<const MeshInfo> meshes) {
    std::vector<uint32_t> starts;
    uint32_t offset = 0;
    for (const MeshInfo& mesh : meshes) {
        starts.push_back(offset);
        offset += wadMeshSize(mesh);
    }
    return starts;
}

MeshInfo triangleMesh(uint16_t vertexCount, int16_t lighting) {
    MeshInfo mesh;
    mesh.centre = {1, 2, 3};
    mesh.radiusWord = 0x00010002;
    for (int16_t i = 0; i < vertexCount; ++i)
        mesh.vertices.push_back({i, int16_t(2 * i), int16_t(3 * i)});
    if (lighting > 0) {
        mesh.normalCount = lighting;
        mesh.normals.assign(static_cast<size_t>(lighting), Vertex{0, -16384, 0});
    } else if (lighting < 0) {
        mesh.shadeCount = static_cast<uint16_t>(-lighting);
        mesh.shades.assign(mesh.shadeCount, 4096);
    }
    mesh.polygons.push_back({.shape = TRIANGLE_SHAPE, .vertices = {0, 1, 2, 0}});
    return mesh;
}

SyntheticWad smallWad() {
    SyntheticWad wad;
    wad.textures = {{.widthMinusOne = 31, .heightMinusOne = 31}};
    wad.pageCount = 1;
    wad.meshes = {triangleMesh(3, 3), triangleMesh(4, -4)};
    wad.meshPointers = meshStarts(wad.meshes);
    wad.animations = {{.nextAnimation = 1, .stateChangeCount = 1, .commandCount = 1},
                      {.frameOffset = 8, .nextAnimation = 0, .commandOffset = 1}};
    wad.stateChanges = {{.stateId = 2, .dispatchCount = 1}};
    wad.dispatches = {{.highFrame = 3, .nextAnimation = 1}};
    wad.commands = {3};
    wad.meshTrees = {0, 0, 100, 0};
    wad.frames.assign(8, 7);
    wad.moveables = {{.meshCount = 2, .firstAnimation = 0}};
    wad.statics = {{.staticNumber = 0, .meshPointer = 1}};
    return wad;
}

bool writeBytes(const std::string& path, std::span<const uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return file.good();
}

}  // namespace kavrin::test
