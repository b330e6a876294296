#include "preview/transform.h"

#include "preview/turn_sine.h"

namespace kavrin::preview {

Vec3 Transform::apply(const Vec3& p) const {
    Vec3 r = turn(p);
    return {r.x + m[0][3], r.y + m[1][3], r.z + m[2][3]};
}

Vec3 Transform::turn(const Vec3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Transform operator*(const Transform& a, const Transform& b) {
    Transform out;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = a.m[r][0] * b.m[0][c] + a.m[r][1] * b.m[1][c] + a.m[r][2] * b.m[2][c];
            out.m[r][c] = c == 3 ? sum + a.m[r][3] : sum;
        }
    }
    return out;
}

Transform translation(const Vec3& offset) {
    Transform t;
    t.m[0][3] = offset.x;
    t.m[1][3] = offset.y;
    t.m[2][3] = offset.z;
    return t;
}

Transform rotationX(double turns) {
    const SineCosine a = turnSineCosine(turns);
    Transform t;
    t.m[1] = {0, a.cosine, -a.sine, 0};
    t.m[2] = {0, a.sine, a.cosine, 0};
    return t;
}

Transform rotationY(double turns) {
    const SineCosine a = turnSineCosine(turns);
    Transform t;
    t.m[0] = {a.cosine, 0, a.sine, 0};
    t.m[2] = {-a.sine, 0, a.cosine, 0};
    return t;
}

Transform rotationZ(double turns) {
    const SineCosine a = turnSineCosine(turns);
    Transform t;
    t.m[0] = {a.cosine, -a.sine, 0, 0};
    t.m[1] = {a.sine, a.cosine, 0, 0};
    return t;
}

Transform rigidInverse(const Transform& t) {
    Transform out;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) out.m[r][c] = t.m[c][r];
    }
    const Vec3 back = out.turn({t.m[0][3], t.m[1][3], t.m[2][3]});
    out.m[0][3] = -back.x;
    out.m[1][3] = -back.y;
    out.m[2][3] = -back.z;
    return out;
}

}  // namespace kavrin::preview
