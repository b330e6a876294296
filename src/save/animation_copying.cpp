#include "save/animation_copying.h"

#include <algorithm>
#include <optional>
#include <span>

#include "save/save_state.h"
#include "save/sound_collection.h"
#include "editing/animation_links.h"
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
    const uint32_t first = moveable.firstAnimation;
    const char* label = slotLabelText(state, moveable.slot);
    const char* file = source.fileName.c_str();

    return forEachAnimationLink(block, copy.moveableIndex, [&](const AnimationLink& link) {
        Animation& animation =
            state.outAnimations.records[copy.firstAnimation + (link.animation - first)];
        uint16_t* field = &animation.nextAnimation;
        uint32_t dispatch = 0;  // the dispatch's output index
        if (link.isDispatch) {
            const StateChange& change =
                state.outStateChanges[animation.firstStateChange + link.stateChange];
            dispatch = change.firstDispatch + link.dispatch;
            field = &state.outDispatches[dispatch].nextAnimation;
        }
        std::optional<uint32_t> resolved;
        switch (link.kind) {
            case LinkTarget::Cut:
                *field = NO_ANIMATION;
                return true;
            case LinkTarget::Own:
                resolved = copy.firstAnimation + (link.target - first);
                break;
            case LinkTarget::Other:
                resolved = state.outAnimations.find(&block.animations[link.target]);
                break;
        }
        if (resolved) {
            *field = static_cast<uint16_t>(*resolved);
            return true;
        }
        if (!link.isDispatch) {
            showMessage(state.ui, MessageStyle::ErrorOk, "Kavrin",
                        "Could not find next animation #%d in the output data!\nThis is for "
                        "animation #%d, moveable %s in the %s file.\n",
                        static_cast<int>(link.target), static_cast<int>(link.animation), label,
                        file);
            return false;
        }
        const std::optional<uint32_t> owner = animationOwner(block, link.target);
        const char* ownerLabel = owner ? slotLabelText(state, block.moveables[*owner].slot) : "";
        showMessage(state.ui, MessageStyle::ErrorOk, "Kavrin",
                    "Could not find next animation #%d for dispatch #%d in anim #%d, moveable %s "
                    "in the output data!\n\nYou need to add the %s moveable from the %s file for\n"
                    "the %s moveable in the %s file to work correctly.",
                    static_cast<int>(link.target), static_cast<int>(dispatch),
                    static_cast<int>(link.animation), label, ownerLabel, file, label, file);
        return false;
    });
}

}  // namespace kavrin
