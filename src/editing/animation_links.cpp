#include "editing/animation_links.h"

#include <algorithm>

namespace kavrin {

bool forEachAnimationLink(const ObjectSourceBlock& block, uint32_t m,
                          const std::function<bool(const AnimationLink&)>& visit) {
    const uint32_t first = block.moveables[m].firstAnimation;
    // A source made without its derived tables has no animations to follow.
    if (first == NO_ANIMATION || m >= block.moveableAnimEnd.size()) return true;
    const auto count = static_cast<uint32_t>(block.animations.size());
    const uint32_t end = std::min(block.moveableAnimEnd[m], count);
    auto classify = [&](uint32_t target) {
        if (target >= count) return LinkTarget::Cut;
        return target >= first && target < end ? LinkTarget::Own : LinkTarget::Other;
    };

    for (uint32_t a = first; a < end; ++a) {
        const Animation& animation = block.animations[a];
        AnimationLink link{
            a, false, 0, 0, animation.nextAnimation, classify(animation.nextAnimation)};
        if (!visit(link)) return false;
        link.isDispatch = true;
        for (uint32_t c = 0; c < animation.stateChangeCount; ++c) {
            const StateChange& change = block.stateChanges[animation.firstStateChange + c];
            link.stateChange = c;
            for (uint32_t d = 0; d < change.dispatchCount; ++d) {
                link.dispatch = d;
                link.target = block.dispatches[change.firstDispatch + d].nextAnimation;
                link.kind = classify(link.target);
                if (!visit(link)) return false;
            }
        }
    }
    return true;
}

std::optional<uint32_t> animationOwner(const ObjectSourceBlock& block, uint32_t a) {
    if (a >= block.animOwner.size()) return std::nullopt;
    const uint32_t owner = block.animOwner[a];
    // Animations ahead of the first moveable's belong to none; the table says 0 for them.
    if (owner >= block.moveables.size() || owner >= block.moveableAnimEnd.size() ||
        block.moveables[owner].firstAnimation == NO_ANIMATION ||
        a < block.moveables[owner].firstAnimation || a >= block.moveableAnimEnd[owner]) {
        return std::nullopt;
    }
    return owner;
}

}  // namespace kavrin
