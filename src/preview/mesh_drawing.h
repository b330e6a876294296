// Drawing a posed object through a camera: the vertices of its meshes placed and projected, lit
// by their normals or shaded by their shade values, its polygons filled with their textures.
#pragma once

#include "editing/object_source_block.h"
#include "preview/camera.h"
#include "preview/posing.h"
#include "preview/rasteriser.h"

namespace kavrin::preview {

// How polygons are filled: with their textures, or as a plain grey shape (for an object whose
// textures show nothing, such as the invisible shapes levels use to trigger and block).
enum class Fill { Textured, Plain };

// Draws the pose's polygons in the layers of the rasteriser: front faces, back faces where no
// front face is, then glowing faces. Polygons
// whose vertices, texture or page lie outside their mesh or the block are left out, and so are
// polygons with a corner nearer than the camera's nearest distance.
void drawPose(RenderTarget& target, const Camera& camera, const ObjectSourceBlock& block,
              const Pose& pose, Fill fill);

}  // namespace kavrin::preview
