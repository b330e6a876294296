// The links of a moveable's animations, walked by one set of rules wherever they are followed:
// when a save rewrites them into output numbering, and when the edited WAD is asked what its
// objects need from their sources.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "editing/object_source_block.h"

namespace kavrin {

// Where a link leads.
enum class LinkTarget {
    Own,    // one of the moveable's own animations
    Other,  // an animation of another moveable of the source, or of none
    Cut,    // past the source's animations: the link leads nowhere and is dropped when saved
};

struct AnimationLink {
    uint32_t animation = 0;    // the source animation the link belongs to
    bool isDispatch = false;   // false: the animation's next animation
    uint32_t stateChange = 0;  // a dispatch's state change, counted from the animation's first
    uint32_t dispatch = 0;     // and the dispatch, counted from the state change's first
    uint32_t target = 0;       // the animation the link names, in the source's numbering
    LinkTarget kind = LinkTarget::Own;
};

// Visits every link of moveable `m`'s animations in order: each animation's next animation, then
// the dispatches of its state changes. Stops at the first visit that returns false, and returns
// false then.
bool forEachAnimationLink(const ObjectSourceBlock& block, uint32_t m,
                          const std::function<bool(const AnimationLink&)>& visit);

// The moveable whose animations include animation `a`, if one does.
std::optional<uint32_t> animationOwner(const ObjectSourceBlock& block, uint32_t a);

}  // namespace kavrin
