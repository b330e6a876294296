#include "preview/camera.h"

#include <algorithm>
#include <cmath>

namespace kavrin::preview {

namespace {

// Half the field of view, as its tangent: tan 15 degrees, a mild perspective.
constexpr double TAN_HALF_VIEW = 0.2679491924311227;
constexpr double FRAME_FILL = 0.92;  // the share of the image's half-side that a fit uses
constexpr double NEAREST = 16.0;     // world units in front of the camera

// World directions into the camera's: turned by yaw about the vertical axis, from behind the
// object's front, then tilted by pitch.
Transform viewRotation(double yaw, double pitch) {
    return rotationX(pitch) * rotationY(yaw + 0.5);
}

CameraView viewAt(const Transform& rotation, double yaw, double pitch, const Vec3& turnedTarget,
                  double distance) {
    return {yaw, pitch, distance, rigidInverse(rotation).apply(turnedTarget)};
}

}  // namespace

CameraView fitView(std::span<const Vec3> points, double yaw, double pitch) {
    const Transform rotation = viewRotation(yaw, pitch);
    if (points.empty()) return viewAt(rotation, yaw, pitch, {}, 1024.0);
    Vec3 low = rotation.apply(points[0]);
    Vec3 high = low;
    for (const Vec3& p : points) {
        const Vec3 q = rotation.apply(p);
        low = {std::min(low.x, q.x), std::min(low.y, q.y), std::min(low.z, q.z)};
        high = {std::max(high.x, q.x), std::max(high.y, q.y), std::max(high.z, q.z)};
    }
    const double cx = (low.x + high.x) / 2;
    const double cy = (low.y + high.y) / 2;
    const double slope = TAN_HALF_VIEW * FRAME_FILL;
    double distance = NEAREST * 2;
    for (const Vec3& p : points) {
        const Vec3 q = rotation.apply(p);
        const double side = std::max(std::abs(q.x - cx), std::abs(q.y - cy));
        distance = std::max({distance, side / slope - q.z, NEAREST * 2 - q.z});
    }
    return viewAt(rotation, yaw, pitch, {cx, cy, 0.0}, distance);
}

CameraView fitViewAnyTurn(std::span<const Vec3> points, double yaw, double pitch) {
    Vec3 low = points.empty() ? Vec3{} : points[0];
    Vec3 high = low;
    for (const Vec3& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    const Vec3 centre{(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
    double radius = NEAREST;
    for (const Vec3& p : points) {
        const Vec3 d{p.x - centre.x, p.y - centre.y, p.z - centre.z};
        radius = std::max(radius, std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z));
    }
    const double slope = TAN_HALF_VIEW * FRAME_FILL;
    return {yaw, pitch, radius * std::sqrt(1.0 + 1.0 / (slope * slope)), centre};
}

Camera makeCamera(const CameraView& view, int width, int height) {
    Camera camera;
    camera.toCamera = translation({0.0, 0.0, view.distance}) * viewRotation(view.yaw, view.pitch) *
                      translation({-view.target.x, -view.target.y, -view.target.z});
    camera.focal = std::min(width, height) / 2.0 / TAN_HALF_VIEW;
    camera.centreX = width / 2.0;
    camera.centreY = height / 2.0;
    camera.nearest = NEAREST;
    return camera;
}

}  // namespace kavrin::preview
