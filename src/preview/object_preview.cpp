#include "preview/object_preview.h"

#include <algorithm>
#include <cmath>

#include "framework/text_format.h"
#include "preview/object_render.h"
#include "preview/posing.h"

namespace kavrin::preview {

namespace {

constexpr double STEEPEST_PITCH = 0.24;  // just short of a quarter turn
constexpr double ZOOM_STEP = 8.0 / 7.0;
constexpr double NEAREST_ZOOM = 64.0;
constexpr double FARTHEST_ZOOM = 1.0 / 16.0;

AnimationRange animations(const ObjectPreview& preview) {
    const ObjectEntry* entry = preview.entry;
    if (!entry || !entry->isMoveable || isSpriteSequence(*entry)) return {};
    return moveableAnimations(entry->owner->block, entry->kindIndex);
}

void fitCamera(ObjectPreview& preview) {
    if (!preview.entry || isSpriteSequence(*preview.entry)) return;
    const Pose pose = poseEntry(*preview.entry, preview.animation, 0.0);
    preview.fitted = fitViewAnyTurn(posedVertices(pose), preview.yaw, preview.pitch);
}

// A source's root entry stands for no object.
const ObjectEntry* showable(const ObjectEntry* entry) {
    return entry && entry->index >= 0 ? entry : nullptr;
}

}  // namespace

void showEntry(ObjectPreview& preview, const ObjectEntry* entry) {
    preview.entry = showable(entry);
    preview.animation = 0;
    preview.frame = 0.0;
    preview.zoom = 1.0;
    fitCamera(preview);
}

bool followEntry(ObjectPreview& preview, const ObjectEntry* entry) {
    if (showable(entry) == preview.entry) return false;
    showEntry(preview, entry);
    return true;
}

std::vector<std::string> animationNames(const ObjectPreview& preview) {
    const AnimationRange range = animations(preview);
    std::vector<std::string> names;
    for (uint32_t a = 0; a < range.count(); ++a) names.push_back(format("Animation %u", a));
    return names;
}

void chooseAnimation(ObjectPreview& preview, uint32_t animation) {
    preview.animation = std::min(animation, std::max(animations(preview).count(), 1u) - 1);
    preview.frame = 0.0;
    fitCamera(preview);
}

uint32_t frameCount(const ObjectPreview& preview) {
    const AnimationRange range = animations(preview);
    if (preview.animation >= range.count()) return 1;
    return animationFrameCount(
        preview.entry->owner->block.animations[range.first + preview.animation]);
}

void advanceFrames(ObjectPreview& preview, double frames) {
    const double count = frameCount(preview);
    preview.frame += frames;
    preview.frame -= std::floor(preview.frame / count) * count;
}

std::string frameLabel(const ObjectPreview& preview) {
    if (animations(preview).count() == 0) return {};
    return format("Frame %d of %u", static_cast<int>(preview.frame) + 1, frameCount(preview));
}

const char* playButtonText(bool playing) { return playing ? "&Pause" : "&Play"; }

void orbit(ObjectPreview& preview, double dx, double dy, int viewSize) {
    const double across = std::max(viewSize, 1) * 2.0;
    preview.yaw -= dx / across;
    preview.yaw -= std::floor(preview.yaw);
    preview.pitch = std::clamp(preview.pitch + dy / across, -STEEPEST_PITCH, STEEPEST_PITCH);
}

void zoom(ObjectPreview& preview, int notches) {
    for (int i = 0; i < std::abs(notches); ++i) {
        preview.zoom = notches > 0 ? preview.zoom * ZOOM_STEP : preview.zoom / ZOOM_STEP;
    }
    preview.zoom = std::clamp(preview.zoom, FARTHEST_ZOOM, NEAREST_ZOOM);
}

const Image& renderPreview(ObjectPreview& preview, int width, int height) {
    RenderTarget& canvas = preview.canvas;
    canvas.clear(width, height);
    if (!preview.entry) return canvas.image;
    if (isSpriteSequence(*preview.entry)) {
        renderSpriteSequence(*preview.entry, canvas);
        return canvas.image;
    }
    CameraView view = preview.fitted;
    view.yaw = preview.yaw;
    view.pitch = preview.pitch;
    view.distance /= preview.zoom;
    const Pose pose = poseEntry(*preview.entry, preview.animation, preview.frame);
    renderPose(preview.entry->owner->block, pose, view, canvas);
    return canvas.image;
}

}  // namespace kavrin::preview
