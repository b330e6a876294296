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
#include "preview/rasteriser.h"

namespace kavrin::preview {

// Frames play at the game's rate.
inline constexpr int FRAMES_PER_SECOND = 30;
// The least side of the picture a desktop program gives the preview, and the grey behind it.
inline constexpr int PREVIEW_SIDE = 256;
inline constexpr uint8_t GROUND_GREY = 48;
// What one notch of a mouse wheel reports, on every desktop platform.
inline constexpr int WHEEL_NOTCH = 120;

struct ObjectPreview {
    const ObjectEntry* entry = nullptr;  // none: the preview is empty
    uint32_t animation = 0;  // counted from the object's first
    double frame = 0.0;      // in the animation, from 0
    double yaw = THREE_QUARTER_YAW;
    double pitch = THREE_QUARTER_PITCH;
    double zoom = 1.0;  // 2: twice as near
    CameraView fitted;  // the view that frames the object whichever way the camera turns
    RenderTarget canvas;  // what the preview was last drawn into, kept from frame to frame
};

// Shows the entry from its first animation's first frame, zoom back to 1; the camera keeps its
// turn. A source's root entry, or none, shows nothing.
void showEntry(ObjectPreview& preview, const ObjectEntry* entry);
// Shows the entry when it is another than the one shown, and says whether it was; the object shown
// keeps its animation, frame and zoom.
bool followEntry(ObjectPreview& preview, const ObjectEntry* entry);

// One name per animation of a moveable, "Animation 4"; none for other objects.
std::vector<std::string> animationNames(const ObjectPreview& preview);
// Plays the animation from its first frame; the camera is fitted to it anew.
void chooseAnimation(ObjectPreview& preview, uint32_t animation);
// The frames of the current animation; 1 for an object without animations.
uint32_t frameCount(const ObjectPreview& preview);
// Moves on by `frames` (fractions interpolate), starting over after the last frame.
void advanceFrames(ObjectPreview& preview, double frames);
// "Frame 3 of 20" under a moveable's picture; empty for an object without animations.
std::string frameLabel(const ObjectPreview& preview);
// The play button's text: what pressing it does.
const char* playButtonText(bool playing);

// A drag of (dx, dy) pixels over a view `viewSize` pixels across: across the whole view turns the
// camera half round the object; up and down tilts it, never past looking straight down or up.
void orbit(ObjectPreview& preview, double dx, double dy, int viewSize);
// Wheel notches: each brings the camera an eighth of its distance nearer (positive) or as much
// farther.
void zoom(ObjectPreview& preview, int notches);

// Draws the preview at the given size; the image is transparent where the object is not, and
// lives in the preview until it is drawn again.
const Image& renderPreview(ObjectPreview& preview, int width, int height);

}  // namespace kavrin::preview
