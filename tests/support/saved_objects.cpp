#include "support/saved_objects.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "formats/sound_files.h"
#include "framework/text_format.h"

namespace kavrin::test {

namespace {

constexpr uint32_t ROW_BYTES = 256 * 3;

const MeshInfo& meshOf(const ObjectSourceBlock& block, uint32_t pointer) {
    return block.meshInfo[block.meshOfPointer[pointer]];
}

std::vector<uint8_t> texturePixels(const ObjectSourceBlock& block, const ObjectTexture& t) {
    std::vector<uint8_t> pixels;
    for (uint32_t row = 0; row <= t.heightMinusOne; ++row) {
        size_t start = (size_t{t.page} * 256 + t.y + row) * ROW_BYTES + t.x * 3u;
        auto first = block.texturePages.begin() + static_cast<ptrdiff_t>(start);
        pixels.insert(pixels.end(), first, first + (t.widthMinusOne + 1) * 3);
    }
    return pixels;
}

// `withTexture`: also compare the texture rectangles and their pixels.
std::string polygonDifference(const ObjectSourceBlock& source, const PolygonRef& a,
                              const ObjectSourceBlock& saved, const PolygonRef& b,
                              bool withTexture) {
    if (a.shape != b.shape || a.vertices != b.vertices || a.attributes != b.attributes) {
        return "a polygon's shape, corners or attributes differ";
    }
    if ((a.texture >> 12) != (b.texture >> 12)) return "a polygon's texture flags differ";
    if (!withTexture) return {};
    const ObjectTexture& ta = source.textures[textureIndexOfWord(a.texture)];
    const ObjectTexture& tb = saved.textures[textureIndexOfWord(b.texture)];
    if (ta.widthMinusOne != tb.widthMinusOne || ta.heightMinusOne != tb.heightMinusOne ||
        ta.flagX != tb.flagX || ta.flagY != tb.flagY) {
        return format("texture %u is saved with another size or flags",
                      textureIndexOfWord(a.texture));
    }
    if (texturePixels(source, ta) != texturePixels(saved, tb)) {
        return format("texture %u shows other pixels", textureIndexOfWord(a.texture));
    }
    return {};
}

template <class T>
bool sameRange(std::span<const T> a, size_t aFirst, size_t aEnd, std::span<const T> b,
               size_t bFirst, size_t bEnd) {
    return std::equal(a.begin() + aFirst, a.begin() + aEnd, b.begin() + bFirst, b.begin() + bEnd);
}

// The saved animation a source link should lead to: the same animation of the copy of the
// moveable that owns it in the source; for the moveable's own animations, its own copy.
std::optional<uint32_t> expectedTarget(const SavedFrom& from, uint32_t sourceIndex,
                                       uint32_t savedIndex, uint32_t target) {
    const uint32_t owner = from.source.animOwner[target];
    std::optional<uint32_t> copy =
        owner == sourceIndex ? std::optional<uint32_t>(savedIndex) : from.savedMoveable(owner);
    if (!copy) return std::nullopt;
    return from.saved.moveables[*copy].firstAnimation +
           (target - from.source.moveables[owner].firstAnimation);
}

std::string animationDifference(const SavedFrom& from, uint32_t sourceIndex, uint32_t savedIndex,
                                uint32_t a, uint32_t b) {
    const ObjectSourceBlock& s = from.source;
    const ObjectSourceBlock& t = from.saved;
    const Animation& x = s.animations[a];
    const Animation& y = t.animations[b];
    if (x.frameRate != y.frameRate || x.frameSize != y.frameSize || x.stateId != y.stateId ||
        x.speed != y.speed || x.acceleration != y.acceleration ||
        x.lateralSpeed != y.lateralSpeed || x.lateralAcceleration != y.lateralAcceleration ||
        x.frameStart != y.frameStart || x.frameEnd != y.frameEnd || x.nextFrame != y.nextFrame ||
        x.stateChangeCount != y.stateChangeCount || x.commandCount != y.commandCount) {
        return format("animation %u is saved with other values", a);
    }
    auto bytes = [](std::span<const uint16_t> words) {
        return std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(words.data()),
                                        words.size() * 2);
    };
    if (!sameRange(bytes(s.frames), x.frameOffset, s.animFrameEnd[a], bytes(t.frames),
                   y.frameOffset, t.animFrameEnd[b])) {
        return format("animation %u's keyframes differ", a);
    }
    if (!sameRange(s.commands, x.commandOffset, s.animCommandEnd[a], t.commands, y.commandOffset,
                   t.animCommandEnd[b])) {
        return format("animation %u's commands differ", a);
    }
    if (expectedTarget(from, sourceIndex, savedIndex, x.nextAnimation) != y.nextAnimation) {
        return format("animation %u leads elsewhere", a);
    }
    for (uint32_t c = 0; c < x.stateChangeCount; ++c) {
        const StateChange& p = s.stateChanges[x.firstStateChange + c];
        const StateChange& q = t.stateChanges[y.firstStateChange + c];
        if (p.stateId != q.stateId || p.dispatchCount != q.dispatchCount) {
            return format("animation %u's state change %u differs", a, c);
        }
        for (uint32_t d = 0; d < p.dispatchCount; ++d) {
            const Dispatch& u = s.dispatches[p.firstDispatch + d];
            const Dispatch& v = t.dispatches[q.firstDispatch + d];
            std::optional<uint32_t> target =
                u.nextAnimation >= s.animations.size()
                    ? std::optional<uint32_t>(NO_ANIMATION)
                    : expectedTarget(from, sourceIndex, savedIndex, u.nextAnimation);
            if (u.lowFrame != v.lowFrame || u.highFrame != v.highFrame ||
                u.nextFrame != v.nextFrame || target != v.nextAnimation) {
                return format("animation %u's dispatch %u of state change %u differs", a, d, c);
            }
        }
    }
    return {};
}

std::vector<std::string> sampleNamesOf(const ObjectSourceBlock& block, uint32_t sound) {
    const uint16_t k = block.soundMap[sound];
    const size_t first = block.soundInfos[k].firstSample;
    const size_t end = k + 1u < block.soundInfos.size() ? block.soundInfos[k + 1].firstSample
                                                        : block.sampleNames.size();
    return {block.sampleNames.begin() + first, block.sampleNames.begin() + end};
}

}  // namespace

std::string meshDifference(const ObjectSourceBlock& source, uint32_t sourcePointer,
                           const ObjectSourceBlock& saved, uint32_t savedPointer) {
    const MeshInfo& a = meshOf(source, sourcePointer);
    const MeshInfo& b = meshOf(saved, savedPointer);
    if (a.centre != b.centre || a.radiusWord != b.radiusWord || a.vertices != b.vertices ||
        a.normalCount != b.normalCount || a.normals != b.normals ||
        a.shadeCount != b.shadeCount || a.shades != b.shades) {
        return format("mesh pointer %u: the geometry differs", sourcePointer);
    }
    if (a.polygons.size() != b.polygons.size()) {
        return format("mesh pointer %u: the polygon count differs", sourcePointer);
    }
    std::set<std::pair<uint16_t, uint16_t>> seen;  // texture words already compared
    for (size_t p = 0; p < a.polygons.size(); ++p) {
        const bool newTexture = seen.emplace(a.polygons[p].texture, b.polygons[p].texture).second;
        std::string difference =
            polygonDifference(source, a.polygons[p], saved, b.polygons[p], newTexture);
        if (!difference.empty()) {
            return format("mesh pointer %u, polygon %zu: %s", sourcePointer, p,
                          difference.c_str());
        }
    }
    return {};
}

std::string moveableDifference(const SavedFrom& from, uint32_t sourceIndex, uint32_t savedIndex) {
    const ObjectSourceBlock& s = from.source;
    const ObjectSourceBlock& t = from.saved;
    const Moveable& m = s.moveables[sourceIndex];
    const Moveable& n = t.moveables[savedIndex];
    if (m.meshCount != n.meshCount) return "the mesh count differs";
    for (uint32_t k = 0; k < m.meshCount; ++k) {
        std::string difference =
            meshDifference(s, m.firstMeshPointer + k, t, n.firstMeshPointer + k);
        if (!difference.empty()) return difference;
    }
    const size_t links = m.meshCount > 1 ? (m.meshCount - 1) * 4u : 0;
    if (!sameRange(s.meshTrees, m.meshTreeIndex, m.meshTreeIndex + links, t.meshTrees,
                   n.meshTreeIndex, n.meshTreeIndex + links)) {
        return "the mesh tree differs";
    }
    if ((m.firstAnimation == NO_ANIMATION) != (n.firstAnimation == NO_ANIMATION)) {
        return "one of the two has no animations";
    }
    if (m.firstAnimation == NO_ANIMATION) return {};
    const uint32_t count = s.moveableAnimEnd[sourceIndex] - m.firstAnimation;
    if (t.moveableAnimEnd[savedIndex] - n.firstAnimation != count) {
        return "the animation count differs";
    }
    for (uint32_t k = 0; k < count; ++k) {
        std::string difference = animationDifference(from, sourceIndex, savedIndex,
                                                     m.firstAnimation + k, n.firstAnimation + k);
        if (!difference.empty()) return difference;
    }
    return {};
}

std::string staticDifference(const ObjectSourceBlock& source, uint32_t sourceIndex,
                             const ObjectSourceBlock& saved, uint32_t savedIndex) {
    const StaticMesh& a = source.staticMeshes[sourceIndex];
    const StaticMesh& b = saved.staticMeshes[savedIndex];
    if (a.carried != b.carried) return "the boxes or flags differ";
    return meshDifference(source, a.meshPointer, saved, b.meshPointer);
}

std::string soundDifference(const SavedFrom& from, uint32_t sourceIndex) {
    const ObjectSourceBlock& s = from.source;
    const Moveable& m = s.moveables[sourceIndex];
    if (m.firstAnimation == NO_ANIMATION) return {};
    static constexpr uint32_t LENGTH[] = {0, 4, 3, 1, 1, 3, 3};
    for (uint32_t a = m.firstAnimation; a < s.moveableAnimEnd[sourceIndex]; ++a) {
        size_t at = s.animations[a].commandOffset;
        for (uint32_t c = 0; c < s.animations[a].commandCount && at < s.commands.size(); ++c) {
            const uint16_t opcode = s.commands[at];
            if (opcode == 0 || opcode > 6 || at + LENGTH[opcode] > s.commands.size()) break;
            if (opcode == 5) {
                const uint32_t sound = s.commands[at + 2] & 0x0FFF;
                if (sound < SOUND_COUNT && s.soundMap[sound] != NO_SOUND) {
                    if (from.saved.soundMap[sound] == NO_SOUND) {
                        return format("sound %u of animation %u is missing", sound, a);
                    }
                    if (sampleNamesOf(s, sound) != sampleNamesOf(from.saved, sound)) {
                        return format("sound %u of animation %u has other samples", sound, a);
                    }
                }
            }
            at += LENGTH[opcode];
        }
    }
    return {};
}

}  // namespace kavrin::test
