// The object source block: what the save pipeline reads of a source, the same for a WAD set and a
// converted level. Every field is a view into tables the source owns (its parsed files, or the
// tables its level conversion made), so a block lives exactly as long as its source.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "formats/mesh.h"
#include "formats/object_records.h"
#include "formats/wad_records.h"

namespace kavrin {

struct ObjectSourceBlock {
    // Sounds.
    std::span<const std::string> sampleNames;
    std::span<const uint16_t> soundMap;  // 370 entries, or none
    std::span<const SoundInfo> soundInfos;
    std::span<const uint32_t> samples;
    // Sprites (none for a level).
    std::span<const SpriteTexture> spriteTextures;
    std::span<const uint8_t> spriteData;
    std::span<const SpriteSequence> spriteSequences;
    // Textures.
    std::span<const ObjectTexture> textures;
    std::span<const uint8_t> texturePages;
    // Animations and objects.
    std::span<const Animation> animations;
    std::span<const StateChange> stateChanges;
    std::span<const Dispatch> dispatches;
    std::span<const uint16_t> commands;
    std::span<const uint32_t> meshTrees;
    std::span<const uint16_t> frames;
    std::span<const Moveable> moveables;
    std::span<const StaticMesh> staticMeshes;
    // Meshes and derived tables.
    std::span<const MeshInfo> meshInfo;
    std::span<const uint32_t> meshSize;
    std::span<const uint32_t> meshOfPointer;
    std::span<const uint32_t> moveableAnimEnd;
    std::span<const uint32_t> animCommandEnd;
    std::span<const uint32_t> animFrameEnd;
    std::span<const uint32_t> animOwner;
    uint32_t version = 0;
    std::span<const uint32_t> meshPointers;
    uint32_t meshWordCount = 0;
};

// Points the block's animation, object and keyframe views at a source's records.
void viewObjectRecords(ObjectSourceBlock& block, const ObjectRecords& records);

}  // namespace kavrin
