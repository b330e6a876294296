// Points and the affine transforms that place meshes and look at them: a 3 x 3 rotation and a
// translation, in doubles.
#pragma once

#include <array>

namespace kavrin::preview {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct Transform {
    // Row r: out_r = m[r][0] x + m[r][1] y + m[r][2] z + m[r][3].
    std::array<std::array<double, 4>, 3> m{{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}}};

    Vec3 apply(const Vec3& p) const;
    Vec3 turn(const Vec3& v) const;  // the rotation alone, for directions
};

Transform operator*(const Transform& a, const Transform& b);  // b first, then a
Transform translation(const Vec3& offset);
// Turns about one axis, by a fraction of a full turn, in the game's sense: y downwards.
Transform rotationX(double turns);
Transform rotationY(double turns);
Transform rotationZ(double turns);
// The inverse of a transform whose rotation is a pure rotation.
Transform rigidInverse(const Transform& t);

}  // namespace kavrin::preview
