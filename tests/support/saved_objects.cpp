#include "support/saved_objects.h"

#include <set>
#include <utility>
#include <vector>

#include "framework/text_format.h"

namespace kavrin::test {

namespace {

template <class T>
std::vector<T> range(std::span<const T> table, size_t first, size_t end) {
    return {table.begin() + first, table.begin() + end};
}

std::vector<uint8_t> keyframes(const ObjectSourceBlock& block, uint32_t a) {
    auto bytes =
        std::span(reinterpret_cast<const uint8_t*>(block.frames.data()), block.frames.size() * 2);
    return range(bytes, block.animations[a].frameOffset, block.animFrameEnd[a]);
}

// The pixels under the texture's rectangle, row by row, in the pages.
std::vector<uint8_t> texturePixels(std::span<const uint8_t> pages, const ObjectTexture& t) {
    std::vector<uint8_t> pixels;
    for (uint32_t row = 0; row <= t.heightMinusOne; ++row) {
        size_t start = ((size_t{t.page} * 256 + t.y + row) * 256 + t.x) * 3;
        auto rowPixels = range(pages, start, start + (t.widthMinusOne + 1) * 3u);
        pixels.insert(pixels.end(), rowPixels.begin(), rowPixels.end());
    }
    return pixels;
}

// The saved animation a source link should lead to: the same animation of the copy of the
// moveable that owns it in the source; for the moveable's own animations, its own copy.
std::optional<uint16_t> expectedTarget(const SavedFrom& from, uint32_t sourceIndex,
                                       uint32_t savedIndex, uint32_t target) {
    if (target >= from.source.animations.size()) return NO_ANIMATION;
    const uint32_t owner = from.source.animOwner[target];
    std::optional<uint32_t> copy = owner == sourceIndex ? savedIndex : from.savedMoveable(owner);
    if (!copy) return std::nullopt;
    return static_cast<uint16_t>(from.saved.moveables[*copy].firstAnimation + target -
                                 from.source.moveables[owner].firstAnimation);
}

// Everything but the renumbered offsets and links is carried; the links lead to the same places.
std::string animationDifference(const SavedFrom& from, uint32_t sourceIndex, uint32_t savedIndex,
                                uint32_t a, uint32_t b) {
    const ObjectSourceBlock& s = from.source;
    const ObjectSourceBlock& t = from.saved;
    Animation x = s.animations[a];
    const Animation& y = t.animations[b];
    std::optional<uint16_t> next = expectedTarget(from, sourceIndex, savedIndex, x.nextAnimation);
    x.frameOffset = y.frameOffset;
    x.firstStateChange = y.firstStateChange;
    x.commandOffset = y.commandOffset;
    x.nextAnimation = next.value_or(NO_ANIMATION - 1);
    if (!(x == y)) return format("animation %u is saved with other values or links", a);
    if (keyframes(s, a) != keyframes(t, b) ||
        range(s.commands, s.animations[a].commandOffset, s.animCommandEnd[a]) !=
            range(t.commands, y.commandOffset, t.animCommandEnd[b])) {
        return format("animation %u's keyframes or commands differ", a);
    }
    for (uint32_t c = 0; c < x.stateChangeCount; ++c) {
        StateChange p = s.stateChanges[s.animations[a].firstStateChange + c];
        const StateChange& q = t.stateChanges[y.firstStateChange + c];
        const uint16_t firstDispatch = p.firstDispatch;
        p.firstDispatch = q.firstDispatch;
        if (!(p == q)) return format("animation %u's state change %u differs", a, c);
        for (uint32_t d = 0; d < p.dispatchCount; ++d) {
            Dispatch u = s.dispatches[firstDispatch + d];
            u.nextAnimation = expectedTarget(from, sourceIndex, savedIndex, u.nextAnimation)
                                  .value_or(NO_ANIMATION - 1);
            if (!(u == t.dispatches[q.firstDispatch + d])) {
                return format("animation %u's dispatch %u of state change %u differs", a, d, c);
            }
        }
    }
    return {};
}

}  // namespace

std::string meshDifference(const ObjectSourceBlock& source, uint32_t sourcePointer,
                           const ObjectSourceBlock& saved, uint32_t savedPointer) {
    MeshInfo a = source.meshInfo[source.meshOfPointer[sourcePointer]];
    const MeshInfo& b = saved.meshInfo[saved.meshOfPointer[savedPointer]];
    if (a.polygons.size() != b.polygons.size()) return "the polygon count differs";
    std::set<std::pair<uint16_t, uint16_t>> compared;  // texture words whose pixels match
    for (size_t p = 0; p < a.polygons.size(); ++p) {
        uint16_t& word = a.polygons[p].texture;
        if ((word >> 12) != (b.polygons[p].texture >> 12)) return "a texture word's flags differ";
        if (compared.emplace(word, b.polygons[p].texture).second) {
            ObjectTexture ta = source.textures[textureIndexOfWord(word)];
            const ObjectTexture& tb = saved.textures[textureIndexOfWord(b.polygons[p].texture)];
            if (texturePixels(source.texturePages, ta) != texturePixels(saved.texturePages, tb)) {
                return format("polygon %zu shows other pixels", p);
            }
            ta.x = tb.x, ta.y = tb.y, ta.page = tb.page;  // placed anew; the rest is carried
            if (!(ta == tb)) return format("polygon %zu's texture has another size or flags", p);
        }
        word = b.polygons[p].texture;
    }
    return a == b ? "" : format("mesh pointer %u: the geometry or polygons differ", sourcePointer);
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
    if (range(s.meshTrees, m.meshTreeIndex, m.meshTreeIndex + links) !=
        range(t.meshTrees, n.meshTreeIndex, n.meshTreeIndex + links)) {
        return "the mesh tree differs";
    }
    auto animationCount = [](const ObjectSourceBlock& block, uint32_t index) {
        const uint32_t first = block.moveables[index].firstAnimation;
        return first == NO_ANIMATION ? 0 : block.moveableAnimEnd[index] - first;
    };
    const uint32_t animations = animationCount(s, sourceIndex);
    if (animations != animationCount(t, savedIndex)) return "the animation count differs";
    for (uint32_t k = 0; k < animations; ++k) {
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

}  // namespace kavrin::test
