// The tables a WAD set and a converted level both derive from their records, by the same rules:
// which mesh each mesh pointer names, where each moveable's animations end, and where each
// animation's commands and keyframes end.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/wad_records.h"

namespace kavrin {

struct Ui;

struct AnimationTables {
    std::vector<uint32_t> moveableAnimEnd;  // per moveable; 0xFFFFFFFF without animations
    std::vector<uint32_t> animCommandEnd;   // per animation
    std::vector<uint32_t> animFrameEnd;     // per animation
    std::vector<uint32_t> animOwner;        // per animation; 0 when no moveable claims it
};

// A moveable's animations run from its first animation up to the first animation of the next
// moveable that has any (the animation count for the last). Ends are kept within the animation
// table, so a damaged file never sends a consumer past it. With `progress`, the moveable and
// animation passes each move the bar by up to 150 (after a progressMark).
AnimationTables deriveAnimationTables(std::span<const Moveable> moveables,
                                      std::span<const Animation> animations,
                                      uint32_t commandWordCount, uint32_t frameByteCount,
                                      Ui* progress);

// Per mesh pointer, the number of the first mesh starting at that offset; 0 when none does.
// `meshOffsets` rise, as a mesh walk finds them.
std::vector<uint32_t> mapMeshPointers(std::span<const uint32_t> meshPointers,
                                      std::span<const uint32_t> meshOffsets);

}  // namespace kavrin
