// Rendering one object of a source: a moveable in a frame of one of its animations, a static mesh,
// or a sprite sequence's sprites, onto a transparent image.
#pragma once

#include <cstdint>
#include <vector>

#include "editing/reference_source.h"
#include "preview/camera.h"
#include "preview/image.h"
#include "preview/posing.h"
#include "preview/rasteriser.h"

namespace kavrin::preview {

bool isSpriteSequence(const ObjectEntry& entry);

// The entry's meshes in the frame of its animation (both counted from 0); none for a sprite
// sequence.
Pose poseEntry(const ObjectEntry& entry, uint32_t animation, double frame);

// Every vertex of the pose, placed: what a camera is fitted to.
std::vector<Vec3> posedVertices(const Pose& pose);

// Each draws into an empty target, at its size.
void renderPose(const ObjectSourceBlock& block, const Pose& pose, const CameraView& view,
                RenderTarget& target);
// The sprites of an entry that is a sprite sequence.
void renderSpriteSequence(const ObjectEntry& entry, RenderTarget& target);

// The entry as a size x size thumbnail: a moveable in the first frame of its first animation, seen
// from the default view and fitted to the image.
Image renderThumbnail(const ObjectEntry& entry, int size);

}  // namespace kavrin::preview
