#include "preview/posing.h"

#include <algorithm>
#include <optional>

namespace kavrin::preview {

namespace {

constexpr uint32_t LINK_WORDS = 4;
constexpr uint32_t LINK_POP = 1;
constexpr uint32_t LINK_PUSH = 2;
constexpr uint32_t KEYFRAME_HEADER_WORDS = 9;  // bounding box, then the offset of mesh 0
constexpr int TURN_UNITS = 4096;               // one-axis rotations; three-axis ones are in 1024ths

// A mesh's rotation in 4096ths of a turn about each axis.
struct Angles {
    int x = 0;
    int y = 0;
    int z = 0;
};

struct Keyframe {
    Vec3 offset;
    std::vector<Angles> rotations;  // one per mesh; meshes past the stored ones are unturned
};

const MeshInfo* meshOfPointer(const ObjectSourceBlock& block, uint64_t pointer) {
    if (pointer >= block.meshOfPointer.size()) return nullptr;
    const uint32_t mesh = block.meshOfPointer[pointer];
    return mesh < block.meshInfo.size() ? &block.meshInfo[mesh] : nullptr;
}

std::optional<Keyframe> readKeyframe(const ObjectSourceBlock& block, const Animation& animation,
                                     uint32_t index, uint32_t meshCount) {
    const uint64_t start = animation.frameOffset / 2 + uint64_t{index} * animation.frameSize;
    const uint64_t end = std::min<uint64_t>(start + animation.frameSize, block.frames.size());
    if (animation.frameSize < KEYFRAME_HEADER_WORDS || start + KEYFRAME_HEADER_WORDS > end) {
        return std::nullopt;
    }
    auto word = [&](uint64_t at) { return block.frames[static_cast<size_t>(at)]; };
    auto signedWord = [&](uint64_t at) {
        return static_cast<double>(static_cast<int16_t>(word(at)));
    };
    Keyframe keyframe;
    keyframe.offset = {signedWord(start + 6), signedWord(start + 7), signedWord(start + 8)};
    uint64_t at = start + KEYFRAME_HEADER_WORDS;
    while (keyframe.rotations.size() < meshCount && at < end) {
        const uint16_t w = word(at++);
        Angles angles;
        const int single = (w & 0x0FFF);
        switch (w & 0xC000) {
            case 0x4000: angles.x = single; break;
            case 0x8000: angles.y = single; break;
            case 0xC000: angles.z = single; break;
            default: {
                if (at >= end) return keyframe;
                const uint16_t v = word(at++);
                angles.x = ((w >> 4) & 0x3FF) * 4;
                angles.y = (((w & 0xF) << 6) | (v >> 10)) * 4;
                angles.z = (v & 0x3FF) * 4;
            }
        }
        keyframe.rotations.push_back(angles);
    }
    return keyframe;
}

// The number of keyframes the animation holds: as many as its frames call for, but no more than
// lie before the next animation's keyframes.
uint32_t keyframeCount(const ObjectSourceBlock& block, uint32_t index) {
    const Animation& animation = block.animations[index];
    const uint32_t rate = std::max<uint32_t>(animation.frameRate, 1);
    uint32_t count = (animationFrameCount(animation) - 1) / rate + 1;
    if (index < block.animFrameEnd.size() && animation.frameSize != 0 &&
        block.animFrameEnd[index] > animation.frameOffset) {
        const uint32_t stored =
            (block.animFrameEnd[index] - animation.frameOffset) / 2 / animation.frameSize;
        count = std::clamp<uint32_t>(stored, 1, count);
    }
    return count;
}

// Between two angles the shorter way round.
double blendAngle(int from, int to, double t) {
    int step = (to - from) % TURN_UNITS;
    if (step >= TURN_UNITS / 2) step -= TURN_UNITS;
    if (step < -TURN_UNITS / 2) step += TURN_UNITS;
    return (from + step * t) / TURN_UNITS;
}

Transform meshRotation(const Keyframe& from, const Keyframe& to, size_t mesh, double t) {
    if (mesh >= from.rotations.size() || mesh >= to.rotations.size()) return {};
    const Angles& a = from.rotations[mesh];
    const Angles& b = to.rotations[mesh];
    // Turned about z first, then x, then y.
    return rotationY(blendAngle(a.y, b.y, t)) * rotationX(blendAngle(a.x, b.x, t)) *
           rotationZ(blendAngle(a.z, b.z, t));
}

Vec3 blendOffset(const Vec3& a, const Vec3& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// The two keyframes around the frame and how far between them it lies; none when the animation's
// keyframes cannot be read.
struct KeyframePair {
    Keyframe from;
    Keyframe to;
    double t = 0.0;
};

std::optional<KeyframePair> keyframesAt(const ObjectSourceBlock& block, uint32_t index,
                                        double frame, uint32_t meshCount) {
    const Animation& animation = block.animations[index];
    const uint32_t count = keyframeCount(block, index);
    const double last = animationFrameCount(animation) - 1.0;
    const double position =
        std::clamp(frame, 0.0, last) / std::max<uint32_t>(animation.frameRate, 1);
    const uint32_t first = std::min(static_cast<uint32_t>(position), count - 1);
    const uint32_t second = std::min(first + 1, count - 1);
    std::optional<Keyframe> from = readKeyframe(block, animation, first, meshCount);
    std::optional<Keyframe> to = readKeyframe(block, animation, second, meshCount);
    if (!from || !to) return std::nullopt;
    const double t = first == second ? 0.0 : std::min(position - first, 1.0);
    return KeyframePair{std::move(*from), std::move(*to), t};
}

}  // namespace

AnimationRange moveableAnimations(const ObjectSourceBlock& block, uint32_t moveable) {
    if (moveable >= block.moveables.size() || moveable >= block.moveableAnimEnd.size()) return {};
    const uint32_t first = block.moveables[moveable].firstAnimation;
    if (first == NO_ANIMATION) return {};
    const uint32_t end = std::min<uint32_t>(block.moveableAnimEnd[moveable],
                                            static_cast<uint32_t>(block.animations.size()));
    return first < end ? AnimationRange{first, end} : AnimationRange{};
}

uint32_t animationFrameCount(const Animation& animation) {
    return animation.frameEnd >= animation.frameStart
               ? uint32_t{animation.frameEnd} - animation.frameStart + 1
               : 1;
}

Pose poseMoveable(const ObjectSourceBlock& block, uint32_t moveable, uint32_t animation,
                  double frame) {
    if (moveable >= block.moveables.size()) return {};
    const Moveable& object = block.moveables[moveable];
    const AnimationRange animations = moveableAnimations(block, moveable);
    std::optional<KeyframePair> keys;
    if (animation < animations.count()) {
        keys = keyframesAt(block, animations.first + animation, frame, object.meshCount);
    }
    const Keyframe rest;
    const Keyframe& from = keys ? keys->from : rest;
    const Keyframe& to = keys ? keys->to : rest;
    const double t = keys ? keys->t : 0.0;

    Pose pose;
    std::vector<Transform> stack;
    Transform parent = translation(blendOffset(from.offset, to.offset, t)) *
                       meshRotation(from, to, 0, t);
    for (uint32_t i = 0; i < object.meshCount; ++i) {
        if (i > 0) {
            const uint64_t link = uint64_t{object.meshTreeIndex} + uint64_t{i - 1} * LINK_WORDS;
            uint32_t words[LINK_WORDS] = {};
            if (link + LINK_WORDS <= block.meshTrees.size()) {
                std::copy_n(block.meshTrees.begin() + static_cast<ptrdiff_t>(link), LINK_WORDS,
                            words);
            }
            if ((words[0] & LINK_POP) && !stack.empty()) {
                parent = stack.back();
                stack.pop_back();
            }
            if (words[0] & LINK_PUSH) stack.push_back(parent);
            const Vec3 offset{static_cast<double>(static_cast<int32_t>(words[1])),
                              static_cast<double>(static_cast<int32_t>(words[2])),
                              static_cast<double>(static_cast<int32_t>(words[3]))};
            parent = parent * translation(offset) * meshRotation(from, to, i, t);
        }
        if (const MeshInfo* mesh = meshOfPointer(block, uint64_t{object.firstMeshPointer} + i)) {
            pose.push_back({mesh, parent});
        }
    }
    return pose;
}

Pose poseStatic(const ObjectSourceBlock& block, uint32_t staticIndex) {
    if (staticIndex >= block.staticMeshes.size()) return {};
    const MeshInfo* mesh = meshOfPointer(block, block.staticMeshes[staticIndex].meshPointer);
    return mesh ? Pose{{mesh, Transform{}}} : Pose{};
}

}  // namespace kavrin::preview
