// The .WAD file of a WAD set: object textures and their pages, meshes, animations and the
// moveables and static meshes that use them, with the tables derived from them on loading.
#pragma once

#include <cstdint>
#include <vector>

#include "formats/mesh.h"
#include "formats/object_records.h"
#include "formats/wad_records.h"

namespace kavrin {

struct FileRecord;
struct ParseContext;

// Texture pages: 256 x 256 pixels of red, green and blue bytes, rows from the top down.
inline constexpr uint32_t TEXTURE_PAGE_SIDE = 256;
inline constexpr uint32_t TEXTURE_PIXEL_BYTES = 3;
inline constexpr uint32_t TEXTURE_ROW_BYTES = TEXTURE_PAGE_SIDE * TEXTURE_PIXEL_BYTES;
inline constexpr uint32_t TEXTURE_PAGE_BYTES = TEXTURE_PAGE_SIDE * TEXTURE_ROW_BYTES;
inline constexpr uint32_t NO_ANIMATION_END = 0xFFFFFFFF;

// The sections in file order: the version, the textures and meshes, then the records a WAD shares
// with a compiled level (ObjectRecords), followed by the tables derived on loading.
struct ObjectWad : ObjectRecords {
    uint32_t version = 0;
    std::vector<ObjectTexture> textures;
    std::vector<uint8_t> texturePages;  // whole pages of 256 x 256 RGB pixels
    std::vector<uint32_t> meshPointers;  // byte offsets into the mesh data
    uint32_t meshWordCount = 0;

    // Derived on loading.
    std::vector<uint32_t> meshOfPointer;  // per mesh pointer: the mesh it names
    std::vector<uint32_t> meshOffsets;    // per mesh: byte offset in the mesh data
    std::vector<uint32_t> meshSizes;      // per mesh: bytes, padding included
    std::vector<MeshInfo> meshInfos;      // per mesh, in mesh-data order
    // per moveable: end of its animations, or NO_ANIMATION_END
    std::vector<uint32_t> moveableAnimEnd;
    std::vector<uint32_t> animCommandEnd;   // per animation: word index where its commands end
    std::vector<uint32_t> animFrameEnd;     // per animation: byte offset where its frames end
    std::vector<uint32_t> animOwner;        // per animation: the moveable it belongs to
};

// Parse operation of FILE_WAD. A file whose sections run past its end or leave bytes after it,
// whose mesh data does not walk to its end in whole padded meshes (no more of them than mesh
// pointers), or whose indices lead outside their tables (findBrokenReference) is refused with one
// message.
bool parseWad(FileRecord& record, ParseContext& context);

}  // namespace kavrin
