#include "preview/object_render.h"

#include "preview/mesh_drawing.h"
#include "preview/sprite_layout.h"

namespace kavrin::preview {

namespace {

constexpr uint8_t PLAIN_ALPHA = 128;

}  // namespace

bool isSpriteSequence(const ObjectEntry& entry) {
    return entry.isMoveable && entry.kindIndex >= entry.owner->block.moveables.size();
}

Pose poseEntry(const ObjectEntry& entry, uint32_t animation, double frame) {
    const ObjectSourceBlock& block = entry.owner->block;
    if (!entry.isMoveable) return poseStatic(block, entry.kindIndex);
    if (isSpriteSequence(entry)) return {};
    return poseMoveable(block, entry.kindIndex, animation, frame);
}

std::vector<Vec3> posedVertices(const Pose& pose) {
    std::vector<Vec3> points;
    for (const MeshPlacement& placement : pose) {
        for (const Vertex& v : placement.mesh->vertices) {
            points.push_back(placement.transform.apply(vertexPoint(v)));
        }
    }
    return points;
}

void renderPose(const ObjectSourceBlock& block, const Pose& pose, const CameraView& view,
                RenderTarget& target) {
    const int width = target.image.width;
    const int height = target.image.height;
    const Camera camera = makeCamera(view, width, height);
    drawPose(target, camera, block, pose, Fill::Textured);
    for (size_t i = 3; i < target.image.rgba.size(); i += 4) {
        if (target.image.rgba[i] != 0) return;
    }
    // Nothing shows: the object is invisible in the game. Its shape is drawn faintly instead.
    target.clear(width, height);
    drawPose(target, camera, block, pose, Fill::Plain);
    for (size_t i = 3; i < target.image.rgba.size(); i += 4) {
        target.image.rgba[i] = target.image.rgba[i] ? PLAIN_ALPHA : 0;
    }
}

void renderSpriteSequence(const ObjectEntry& entry, RenderTarget& target) {
    const ObjectSourceBlock& block = entry.owner->block;
    const uint32_t sequence = entry.kindIndex - static_cast<uint32_t>(block.moveables.size());
    drawSprites(target.image, block.spriteData, sequenceSprites(block, sequence));
}

Image renderThumbnail(const ObjectEntry& entry, int size) {
    RenderTarget target(size, size);
    if (isSpriteSequence(entry)) {
        renderSpriteSequence(entry, target);
    } else {
        const Pose pose = poseEntry(entry, 0, 0.0);
        const CameraView view =
            fitView(posedVertices(pose), THREE_QUARTER_YAW, THREE_QUARTER_PITCH);
        renderPose(entry.owner->block, pose, view, target);
    }
    return std::move(target.image);
}

}  // namespace kavrin::preview
