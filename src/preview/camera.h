// The camera: where it looks from (a turn about the vertical axis, a tilt, a distance from the
// point it looks at) and how it projects what it sees onto an image.
#pragma once

#include <span>

#include "preview/transform.h"

namespace kavrin::preview {

// Yaw and pitch are fractions of a full turn. Yaw 0 looks at an object's front, the side its +z
// axis points to; a positive yaw walks the camera round to the object's left (its -x side), a
// positive pitch raises the camera to look down on it.
struct CameraView {
    double yaw = 0.0;
    double pitch = 0.0;
    double distance = 1024.0;  // from the target, in world units
    Vec3 target;
};

// The three-quarter view from the front left and a little above that thumbnails use.
inline constexpr double THREE_QUARTER_YAW = 0.125;
inline constexpr double THREE_QUARTER_PITCH = 0.06;

// The view from yaw and pitch that frames every point as large as the image allows, with a thin
// margin; each point is seen from at least a little in front of it.
CameraView fitView(std::span<const Vec3> points, double yaw, double pitch);
// The view from yaw and pitch at the distance from which the sphere around the points' bounding
// box fits the image whichever way the camera turns.
CameraView fitViewAnyTurn(std::span<const Vec3> points, double yaw, double pitch);

// World to camera space (x right, y down, z away from the camera) and camera space to pixels.
struct Camera {
    Transform toCamera;
    double focal = 1.0;     // pixels per unit of x / z
    double centreX = 0.0;   // the image centre, in pixels
    double centreY = 0.0;
    double nearest = 1.0;   // points nearer than this are not drawn
};

// The camera of a view for an image of the given size; the view fills its smaller side.
Camera makeCamera(const CameraView& view, int width, int height);

}  // namespace kavrin::preview
