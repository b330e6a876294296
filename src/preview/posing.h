// Posing a moveable: its meshes placed along the links of its mesh tree and turned as one
// keyframe of one of its animations says, or between two keyframes for a frame that falls
// between them. A static mesh stands as its one mesh.
#pragma once

#include <cstdint>
#include <vector>

#include "editing/object_source_block.h"
#include "preview/transform.h"

namespace kavrin::preview {

struct MeshPlacement {
    const MeshInfo* mesh = nullptr;
    Transform transform;  // from the mesh's own frame into the object's
};

using Pose = std::vector<MeshPlacement>;

// A vertex or normal of a mesh as a point of its frame.
inline Vec3 vertexPoint(const Vertex& v) {
    return {static_cast<double>(v.x), static_cast<double>(v.y), static_cast<double>(v.z)};
}

// A moveable's animations: indices [first, end) of the block's animations; empty when it has none.
struct AnimationRange {
    uint32_t first = 0;
    uint32_t end = 0;
    uint32_t count() const { return end - first; }
};
AnimationRange moveableAnimations(const ObjectSourceBlock& block, uint32_t moveable);

// The frames an animation plays, its first and last frame included.
uint32_t animationFrameCount(const Animation& animation);

// The moveable in `frame` (from 0; fractions are interpolated, frames past the end show the last)
// of its animation `animation`, counted from its first. A moveable without animations, or a
// keyframe that lies outside the frame data, shows its meshes at their link offsets, unturned.
// Meshes whose pointer leads nowhere are left out.
Pose poseMoveable(const ObjectSourceBlock& block, uint32_t moveable, uint32_t animation,
                  double frame);

Pose poseStatic(const ObjectSourceBlock& block, uint32_t staticIndex);

}  // namespace kavrin::preview
