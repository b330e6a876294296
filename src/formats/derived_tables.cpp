#include "formats/derived_tables.h"

#include <algorithm>

#include "framework/ui.h"
#include "formats/wad.h"

namespace kavrin {

AnimationTables deriveAnimationTables(std::span<const Moveable> moveables,
                                      std::span<const Animation> animations,
                                      uint32_t commandWordCount, uint32_t frameByteCount,
                                      Ui* progress) {
    const uint32_t animationCount = static_cast<uint32_t>(animations.size());
    AnimationTables tables;
    tables.moveableAnimEnd.assign(moveables.size(), 0);
    tables.animCommandEnd.assign(animationCount, 0);
    tables.animFrameEnd.assign(animationCount, 0);
    tables.animOwner.assign(animationCount, 0);

    if (progress) progressMark(*progress, nullptr);
    for (size_t i = 0; i < moveables.size(); ++i) {
        if (progress) progressSub(*progress, static_cast<int>(i * 150 / moveables.size()), nullptr);
        if (moveables[i].firstAnimation == NO_ANIMATION) {
            tables.moveableAnimEnd[i] = NO_ANIMATION_END;
            continue;
        }
        uint32_t end = animationCount;
        for (size_t j = i + 1; j < moveables.size(); ++j) {
            if (moveables[j].firstAnimation != NO_ANIMATION) {
                end = moveables[j].firstAnimation;
                break;
            }
        }
        end = std::min(end, animationCount);
        tables.moveableAnimEnd[i] = end;
        for (uint32_t a = moveables[i].firstAnimation; a < end; ++a) {
            tables.animOwner[a] = static_cast<uint32_t>(i);
        }
    }

    if (progress) progressMark(*progress, nullptr);
    for (uint32_t a = 0; a < animationCount; ++a) {
        if (progress)
            progressSub(*progress, static_cast<int>(uint64_t{a} * 150 / animationCount), nullptr);
        bool last = a + 1 == animationCount;
        tables.animCommandEnd[a] = last ? commandWordCount : animations[a + 1].commandOffset;
        tables.animFrameEnd[a] = last ? frameByteCount : animations[a + 1].frameOffset;
    }
    return tables;
}

std::vector<uint32_t> mapMeshPointers(std::span<const uint32_t> meshPointers,
                                      std::span<const uint32_t> meshOffsets) {
    std::vector<uint32_t> meshOfPointer(meshPointers.size(), 0);
    for (size_t i = 0; i < meshPointers.size(); ++i) {
        auto found = std::lower_bound(meshOffsets.begin(), meshOffsets.end(), meshPointers[i]);
        if (found != meshOffsets.end() && *found == meshPointers[i]) {
            meshOfPointer[i] = static_cast<uint32_t>(found - meshOffsets.begin());
        }
    }
    return meshOfPointer;
}

}  // namespace kavrin
