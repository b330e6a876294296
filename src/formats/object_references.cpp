#include "formats/object_references.h"

#include "formats/wad.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

constexpr uint32_t WORDS_PER_LINK = 4;

// True when `count` entries from `first` lie inside a table of `size` entries.
bool rangeFits(uint64_t first, uint64_t count, uint64_t size) {
    return first + count <= size;
}

std::string checkMoveables(const ObjectReferenceViews& v) {
    uint32_t previousFirst = 0;
    for (size_t i = 0; i < v.records.moveables.size(); ++i) {
        const Moveable& m = v.records.moveables[i];
        if (!rangeFits(m.firstMeshPointer, m.meshCount, v.meshPointers.size())) {
            return format(
                "moveable %zu's mesh pointers run past the end of the Mesh Pointers "
                "section",
                i);
        }
        const uint64_t links = m.meshCount == 0 ? 0 : m.meshCount - 1;
        if (!rangeFits(m.meshTreeIndex, links * WORDS_PER_LINK, v.records.meshTrees.size())) {
            return format("moveable %zu's links run past the end of the Mesh Trees section", i);
        }
        // Only the animations of a moveable lead to its keyframes.
        if (m.firstAnimation == NO_ANIMATION) continue;
        if (m.frameOffset > v.records.frames.size() * 2) {
            return format("moveable %zu's keyframes start past the end of the Frames section", i);
        }
        if (m.firstAnimation >= v.records.animations.size()) {
            return format("moveable %zu starts at animation %u of only %zu", i, m.firstAnimation,
                          v.records.animations.size());
        }
        // A moveable's animations end where the next one's begin, so they must not run backwards.
        if (m.firstAnimation < previousFirst) {
            return format("moveable %zu starts at animation %u, before the moveable ahead of it", i,
                          m.firstAnimation);
        }
        previousFirst = m.firstAnimation;
    }
    return {};
}

std::string checkStatics(const ObjectReferenceViews& v) {
    for (size_t i = 0; i < v.records.statics.size(); ++i) {
        if (v.records.statics[i].meshPointer >= v.meshPointers.size()) {
            return format("static mesh %zu uses mesh pointer %u of only %zu", i,
                          v.records.statics[i].meshPointer, v.meshPointers.size());
        }
    }
    return {};
}

std::string checkMeshPointers(const ObjectReferenceViews& v) {
    for (size_t i = 0; i < v.meshPointers.size(); ++i) {
        const uint32_t mesh = v.meshOfPointer[i];
        if (mesh >= v.meshOffsets.size() || v.meshOffsets[mesh] != v.meshPointers[i]) {
            return format("mesh pointer %zu names byte %u, where no mesh starts", i,
                          v.meshPointers[i]);
        }
    }
    return {};
}

// An animation's commands and keyframes end where the next animation's begin, so both offsets
// must rise through the table. Dispatches may name animations the set lacks (saving drops those
// links), and a command count may overstate the commands: neither is followed blindly.
std::string checkAnimations(const ObjectReferenceViews& v) {
    for (size_t a = 0; a < v.records.animations.size(); ++a) {
        const Animation& n = v.records.animations[a];
        if (!rangeFits(n.firstStateChange, n.stateChangeCount, v.records.stateChanges.size())) {
            return format("animation %zu's state changes run past the end of the States section",
                          a);
        }
        if (n.commandOffset > v.records.commands.size()) {
            return format(
                "animation %zu's commands start past the end of the Animation Commands "
                "section",
                a);
        }
        if (n.frameOffset > v.records.frames.size() * 2) {
            return format("animation %zu's keyframes start past the end of the Frames section", a);
        }
        if (n.nextAnimation >= v.records.animations.size()) {
            return format("animation %zu leads to animation %u of only %zu", a, n.nextAnimation,
                          v.records.animations.size());
        }
        if (a == 0) continue;
        const Animation& before = v.records.animations[a - 1];
        if (n.commandOffset < before.commandOffset || n.frameOffset < before.frameOffset) {
            return format("animation %zu starts before the animation ahead of it", a);
        }
    }
    return {};
}

std::string checkStateChanges(const ObjectReferenceViews& v) {
    for (size_t i = 0; i < v.records.stateChanges.size(); ++i) {
        const StateChange& c = v.records.stateChanges[i];
        if (!rangeFits(c.firstDispatch, c.dispatchCount, v.records.dispatches.size())) {
            return format(
                "state change %zu's dispatches run past the end of the Dispatches "
                "section",
                i);
        }
    }
    return {};
}

// Only textures that polygons use are followed to their pixels; a set may keep others (such as a
// saved set's reserved first texture) that name no page.
std::string checkUsedTexture(const ObjectReferenceViews& v, uint16_t index) {
    const ObjectTexture& t = v.textures[index];
    if (t.page >= v.texturePageCount) {
        return format("object texture %u lies on page %u of only %u", index, t.page,
                      v.texturePageCount);
    }
    if (t.x + t.widthMinusOne >= TEXTURE_PAGE_SIDE || t.y + t.heightMinusOne >= TEXTURE_PAGE_SIDE) {
        return format("object texture %u reaches past the edge of its page", index);
    }
    return {};
}

std::string checkPolygons(const ObjectReferenceViews& v) {
    for (size_t m = 0; m < v.meshInfos.size(); ++m) {
        const MeshInfo& mesh = v.meshInfos[m];
        for (const PolygonRef& polygon : mesh.polygons) {
            const uint16_t texture = textureIndexOfWord(polygon.texture);
            if (texture >= v.textures.size()) {
                return format("a polygon of mesh %zu uses object texture %u of only %zu", m,
                              texture, v.textures.size());
            }
            if (std::string broken = checkUsedTexture(v, texture); !broken.empty()) return broken;
            for (int c = 0; c < polygon.cornerCount(); ++c) {
                if (polygon.vertices[c] >= mesh.vertices.size()) {
                    return format("a polygon of mesh %zu uses vertex %u of only %zu", m,
                                  polygon.vertices[c], mesh.vertices.size());
                }
            }
        }
    }
    return {};
}

}  // namespace

std::string findBrokenReference(const ObjectReferenceViews& views) {
    for (auto check : {checkMoveables, checkStatics, checkMeshPointers, checkAnimations,
                       checkStateChanges, checkPolygons}) {
        if (std::string broken = check(views); !broken.empty()) return broken;
    }
    return {};
}

}  // namespace kavrin
