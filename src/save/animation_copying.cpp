#include "save/animation_copying.h"

#include <algorithm>
#include <optional>
#include <span>

#include "save/save_state.h"
#include "save/sound_collection.h"
#include "editing/reference_source.h"
#include "editing/session.h"

namespace kavrin {

namespace {

// Appends the words [first, end) of a source table; the readers guarantee the range, the clamp
// only keeps a broken guarantee from reading past the table.
template <class W>
void appendRange(std::vector<W>& out, std::span<const W> table, size_t first, size_t end) {
    end = std::min(end, table.size());
    if (first < end) out.insert(out.end(), table.begin() + first, table.begin() + end);
}

}  // namespace

void copyAnimation(SaveState& state, const ReferenceSource& source, uint32_t index) {
    const ObjectSourceBlock& block = source.block;
    const Animation& original = block.animations[index];
    Animation copy = original;

    copy.commandOffset = static_cast<uint16_t>(state.outCommands.size());
    if (original.commandCount != 0) {
        appendRange(state.outCommands, block.commands, original.commandOffset,
                    block.animCommandEnd[index]);
        markSounds(state, source, block.commands.subspan(original.commandOffset),
                   original.commandCount);
    }

    copy.frameOffset = static_cast<uint32_t>(state.outFrames.size());
    appendWordBytes(state.outFrames, block.frames, original.frameOffset, block.animFrameEnd[index]);

    copy.firstStateChange = static_cast<uint16_t>(state.outStateChanges.size());
    for (uint32_t c = 0; c < original.stateChangeCount; ++c) {
        StateChange change = block.stateChanges[original.firstStateChange + c];
        // A state change without dispatches still points where its dispatches would begin.
        uint32_t firstDispatch = static_cast<uint32_t>(state.outDispatches.size());
        appendRange(state.outDispatches, block.dispatches, change.firstDispatch,
                    size_t{change.firstDispatch} + change.dispatchCount);
        change.firstDispatch = static_cast<uint16_t>(firstDispatch);
        state.outStateChanges.push_back(change);
    }
    state.outAnimations.append(&original, copy);
}

bool relinkAnimations(SaveState& state, const CopiedMoveable& copy) {
    const ReferenceSource& source = *copy.source;
    const ObjectSourceBlock& block = source.block;
    const Moveable& moveable = block.moveables[copy.moveableIndex];
    if (moveable.firstAnimation == NO_ANIMATION) return true;
    const uint32_t first = moveable.firstAnimation;
    const uint32_t end = block.moveableAnimEnd[copy.moveableIndex];
    const char* label = slotLabelText(state, moveable.slot);
    const char* file = source.fileName.c_str();

    auto resolve = [&](uint32_t target) -> std::optional<uint32_t> {
        if (target >= first && target < end) return copy.firstAnimation + (target - first);
        return state.outAnimations.find(&block.animations[target]);
    };

    for (uint32_t a = first; a < end; ++a) {
        Animation& animation = state.outAnimations.records[copy.firstAnimation + (a - first)];
        std::optional<uint32_t> next = resolve(animation.nextAnimation);
        if (!next) {
            showMessage(state.session.ui, MessageStyle::ErrorOk, "Kavrin",
                        "Could not find next animation #%d in the output data!\nThis is for "
                        "animation #%d, moveable %s in the %s file.\n",
                        animation.nextAnimation, static_cast<int>(a), label, file);
            return false;
        }
        animation.nextAnimation = static_cast<uint16_t>(*next);

        for (uint32_t c = 0; c < animation.stateChangeCount; ++c) {
            const StateChange& change = state.outStateChanges[animation.firstStateChange + c];
            for (uint32_t d = change.firstDispatch; d < change.firstDispatch + change.dispatchCount;
                 ++d) {
                Dispatch& dispatch = state.outDispatches[d];
                const uint32_t target = dispatch.nextAnimation;
                if (target >= block.animations.size()) {
                    dispatch.nextAnimation = NO_ANIMATION;
                    continue;
                }
                std::optional<uint32_t> resolved = resolve(target);
                if (!resolved) {
                    const uint32_t owner = block.animOwner[target];
                    const char* ownerLabel = owner < block.moveables.size()
                                                 ? slotLabelText(state, block.moveables[owner].slot)
                                                 : "";
                    showMessage(state.session.ui, MessageStyle::ErrorOk, "Kavrin",
                                "Could not find next animation #%d for dispatch #%d in anim #%d, "
                                "moveable %s in the output data!\n\nYou need to add the %s "
                                "moveable from the %s file for\nthe %s moveable in the %s file to "
                                "work correctly.",
                                static_cast<int>(target), static_cast<int>(d), static_cast<int>(a),
                                label, ownerLabel, file, label, file);
                    return false;
                }
                dispatch.nextAnimation = static_cast<uint16_t>(*resolved);
            }
        }
    }
    return true;
}

}  // namespace kavrin
