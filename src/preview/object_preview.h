// The preview a desktop program shows of the object the user selected: which object, which of its
// animations and which frame, and from where the camera orbits it. A program wires its widgets to
// these operations and draws the image they render; it needs to know nothing of the renderer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/reference_source.h"
#include "preview/camera.h"
#include "preview/image.h"

namespace kavrin::preview {

// Frames play at the game's rate.
inline constexpr int FRAMES_PER_SECOND = 30;

struct ObjectPreview {
    const ObjectEntry* entry = nullptr;  // none: the preview is empty
    uint32_t animation = 0;  // counted from the object's first
    double frame = 0.0;      // in the animation, from 0
    double yaw = DEFAULT_YAW;
    double pitch = DEFAULT_PITCH;
    double zoom = 1.0;  // 2: twice as near
    CameraView fitted;  // the view that frames the object whichever way the camera turns
};

// Shows the entry (or nothing) from its first animation's first frame, zoom back to 1; the
// camera keeps its turn.
void showEntry(ObjectPreview& preview, const ObjectEntry* entry);

// One name per animation of a moveable, "Animation 4 (31 frames)"; none for other objects.
std::vector<std::string> animationNames(const ObjectPreview& preview);
// Plays the animation from its first frame; the camera is fitted to it anew.
void chooseAnimation(ObjectPreview& preview, uint32_t animation);
// The frames of the current animation; 1 for an object without animations.
uint32_t frameCount(const ObjectPreview& preview);
// Moves on by `frames` (fractions interpolate), starting over after the last frame.
void advanceFrames(ObjectPreview& preview, double frames);

// A drag of (dx, dy) pixels over a view `viewSize` pixels across: across the whole view turns the
// camera half round the object; up and down tilts it, never past looking straight down or up.
void orbit(ObjectPreview& preview, double dx, double dy, int viewSize);
// Wheel notches: each brings the camera an eighth of its distance nearer (positive) or as much
// farther.
void zoom(ObjectPreview& preview, int notches);

// The preview as an image of the given size; transparent where the object is not.
Image renderPreview(const ObjectPreview& preview, int width, int height);

}  // namespace kavrin::preview
