// The layouts of the files a WAD set is written as: each file composed from its sections.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/sound_files.h"
#include "formats/swd.h"
#include "formats/wad_records.h"
#include "framework/bytes.h"

namespace kavrin {

// The sections of a .WAD file in file order. Word sections are given as words; the mesh data as
// the bytes of the meshes, each already padded to 4 bytes.
struct WadFileSections {
    uint32_t version = 0;
    std::span<const ObjectTexture> textures;
    std::span<const uint8_t> texturePages;  // whole pages of 196608 bytes
    std::span<const uint32_t> meshPointers;
    std::span<const uint8_t> meshData;
    std::span<const Animation> animations;
    std::span<const StateChange> stateChanges;
    std::span<const Dispatch> dispatches;
    std::span<const uint16_t> commands;
    std::span<const uint32_t> meshTrees;
    std::span<const uint16_t> frames;
    std::span<const Moveable> moveables;
    std::span<const StaticMesh> statics;
};

// The file as a chain whose big sections view the arrays given: they must outlive it.
ByteChain composeWadFile(const WadFileSections& wad);
std::vector<uint8_t> encodeWadFile(const WadFileSections& wad);
std::vector<uint8_t> encodeSwdFile(const SpriteWad& swd);
std::vector<uint8_t> encodeSfxFile(const SoundResources& sounds);
// One sample file name per line, each line ended by CR LF.
std::string encodeSamFile(std::span<const std::string> sampleNames);

}  // namespace kavrin
