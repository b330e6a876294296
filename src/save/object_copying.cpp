#include "save/object_copying.h"

#include <algorithm>

#include "save/animation_copying.h"
#include "save/save_state.h"
#include "editing/reference_source.h"
#include "formats/mesh.h"

namespace kavrin {

namespace {

constexpr uint32_t WORDS_PER_LINK = 4;

// The output word of a polygon's texture word: the same flags, the index of the output copy of
// its object texture. Equal textures are merged only within one source.
uint16_t copyTexture(SaveState& state, const ReferenceSource& source, uint16_t word) {
    const ObjectTexture& texture = source.block.textures[textureIndexOfWord(word)];
    std::optional<uint32_t> index = state.outTextures.find(&texture);
    if (!index) {
        index = state.outTextures.append(&texture, texture);
        state.outTextureSources.push_back(TextureOrigin{&source, texture});
    }
    return textureWordWithIndex(word, *index);
}

}  // namespace

uint32_t copyMesh(SaveState& state, const ReferenceSource& source, uint32_t meshPointer) {
    const MeshInfo& info = source.block.meshInfo[source.block.meshOfPointer[meshPointer]];
    std::optional<uint32_t> offset = state.meshOffsets.find(&info);
    if (!offset) {
        MeshInfo mesh = info;
        for (PolygonRef& polygon : mesh.polygons) {
            polygon.texture = copyTexture(state, source, polygon.texture);
        }
        offset = static_cast<uint32_t>(state.outMeshes.size());
        writeWadMesh(state.outMeshes, mesh);
        state.meshOffsets.remember(&info, *offset);
    }
    state.outMeshPointers.push_back(*offset);
    return static_cast<uint32_t>(state.outMeshPointers.size() - 1);
}

void copyMoveable(SaveState& state, const ReferenceSource& source, uint32_t index, uint32_t slot) {
    const ObjectSourceBlock& block = source.block;
    const Moveable& original = block.moveables[index];
    Moveable moveable = original;
    moveable.slot = slot;
    for (uint32_t k = 0; k < original.meshCount; ++k) {
        uint32_t pointer = copyMesh(state, source, original.firstMeshPointer + k);
        if (k == 0) moveable.firstMeshPointer = static_cast<uint16_t>(pointer);
    }

    moveable.meshTreeIndex = static_cast<uint32_t>(state.outMeshTrees.size());
    if (original.meshCount > 1) {
        auto links = block.meshTrees.subspan(original.meshTreeIndex,
                                             (original.meshCount - 1) * WORDS_PER_LINK);
        state.outMeshTrees.insert(state.outMeshTrees.end(), links.begin(), links.end());
    }

    CopiedMoveable copy{slot, &source, index, state.outAnimations.count()};
    // Without animations the keyframe offset leads nowhere and keeps its source value.
    if (original.firstAnimation != NO_ANIMATION) {
        moveable.firstAnimation = static_cast<uint16_t>(state.outAnimations.count());
        moveable.frameOffset = static_cast<uint32_t>(state.outFrames.size());
        for (uint32_t a = original.firstAnimation; a < block.moveableAnimEnd[index]; ++a) {
            copyAnimation(state, source, a);
        }
    }
    state.outMoveables.push_back(moveable);
    state.copiedMoveables.push_back(copy);
}

size_t keyframeBytes(const ReferenceSource& source, uint32_t index) {
    const ObjectSourceBlock& block = source.block;
    const uint32_t first = block.moveables[index].firstAnimation;
    const uint32_t end = block.moveableAnimEnd[index];
    if (first == NO_ANIMATION || end <= first) return 0;
    const uint32_t from = block.animations[first].frameOffset;
    const uint32_t to = block.animFrameEnd[end - 1];
    return to > from ? to - from : 0;
}

void copyStaticMesh(SaveState& state, const ReferenceSource& source, uint32_t index,
                    uint32_t number) {
    StaticMesh mesh = source.block.staticMeshes[index];
    mesh.staticNumber = number;
    mesh.meshPointer = static_cast<uint16_t>(copyMesh(state, source, mesh.meshPointer));
    state.outStaticMeshes.push_back(mesh);
}

}  // namespace kavrin
