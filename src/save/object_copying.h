// Copying moveables, static meshes and meshes into the save state, renumbered on the way.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kavrin {

struct ReferenceSource;
struct SaveState;

// Copies moveable `index` of the source into `slot`, with its meshes, links and animations.
void copyMoveable(SaveState& state, const ReferenceSource& source, uint32_t index, uint32_t slot);

// The keyframe bytes copyMoveable adds for moveable `index` of the source, so room for them can be
// made up front.
size_t keyframeBytes(const ReferenceSource& source, uint32_t index);

// Copies static mesh `index` of the source as static number `number`, with its mesh.
void copyStaticMesh(SaveState& state, const ReferenceSource& source, uint32_t index,
                    uint32_t number);

// Gives the mesh that the source's mesh pointer names a new output mesh pointer and returns its
// index. A mesh is stored once however many pointers of its source name it; meshes of different
// sources are never merged.
uint32_t copyMesh(SaveState& state, const ReferenceSource& source, uint32_t meshPointer);

}  // namespace kavrin
