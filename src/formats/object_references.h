// The indices that tie a set of objects together: moveables and static meshes to mesh pointers,
// mesh trees and keyframes; animations to state changes, commands and keyframes; state changes to
// dispatches; polygons to vertices and object textures; object textures to pages.
//
// The save pipeline follows every one of them, so a source whose indices lead outside their tables
// is refused when it is read. The check takes plain views, so a WAD set and a converted level share
// it.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/mesh.h"
#include "formats/object_records.h"
#include "formats/wad_records.h"

namespace kavrin {

struct ObjectReferenceViews {
    const ObjectRecords& records;
    std::span<const uint32_t> meshPointers;   // byte offsets into the mesh data
    std::span<const uint32_t> meshOfPointer;  // per mesh pointer: the mesh it names
    std::span<const uint32_t> meshOffsets;    // per mesh: where it starts in the mesh data
    std::span<const MeshInfo> meshInfos;
    std::span<const ObjectTexture> textures;
    uint32_t texturePageCount = 0;
};

// The first reference that leads outside its table, as a sentence for the user; empty when all
// hold.
std::string findBrokenReference(const ObjectReferenceViews& views);

}  // namespace kavrin
