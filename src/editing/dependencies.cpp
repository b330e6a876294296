#include "editing/dependencies.h"

#include <algorithm>
#include <set>
#include <utility>

#include "editing/animation_links.h"
#include "editing/session.h"
#include "framework/text_format.h"

namespace kavrin {

namespace {

// The source moveables that slots hold as moveables a save copies.
using HeldMoveables = std::set<std::pair<const ReferenceSource*, uint32_t>>;

bool isMoveable(const ObjectEntry& entry) {
    return entry.isMoveable && entry.kindIndex < entry.owner->block.moveables.size();
}

bool copiedAsMoveable(const ObjectEntry* entry, uint32_t slot) {
    return entry && slot < FIRST_STATIC_SLOT && copiesObjectOf(slot) && isMoveable(*entry);
}

// With `incoming`, the slot `at` is taken to hold it instead of what it holds.
HeldMoveables heldMoveables(const EditedWad& edited, const ObjectEntry* incoming, uint32_t at) {
    HeldMoveables held;
    for (uint32_t slot = 0; slot < FIRST_STATIC_SLOT; ++slot) {
        const ObjectEntry* entry = incoming && slot == at ? incoming : edited.slotTable[slot];
        if (copiedAsMoveable(entry, slot)) held.emplace(entry->owner, entry->kindIndex);
    }
    return held;
}

const ObjectEntry* entryOfMoveable(const ReferenceSource& source, uint32_t moveable) {
    for (const ObjectEntry& entry : source.entries) {
        if (entry.isMoveable && entry.kindIndex == moveable) return &entry;
    }
    return nullptr;
}

// Follows the links out of the object's moveable, and on through every moveable it reaches that
// is not held; the held ones answer for their own links.
ObjectNeeds walkNeeds(const HeldMoveables& held, const ObjectEntry& object, uint32_t slot) {
    ObjectNeeds needs{&object, slot, {}, std::nullopt};
    if (!copiedAsMoveable(&object, slot)) return needs;
    const ReferenceSource& source = *object.owner;
    const ObjectSourceBlock& block = source.block;
    std::vector<bool> reached(block.moveables.size(), false);
    std::vector<uint32_t> lacking;
    std::vector<uint32_t> queue{object.kindIndex};
    reached[object.kindIndex] = true;
    for (size_t next = 0; next < queue.size(); ++next) {
        forEachAnimationLink(block, queue[next], [&](const AnimationLink& link) {
            if (link.kind != LinkTarget::Other) return true;
            std::optional<uint32_t> owner = animationOwner(block, link.target);
            if (!owner) {
                if (!needs.strayAnimation) needs.strayAnimation = link.target;
            } else if (!reached[*owner]) {
                reached[*owner] = true;
                if (!held.contains({&source, *owner})) {
                    lacking.push_back(*owner);
                    queue.push_back(*owner);
                }
            }
            return true;
        });
    }
    std::sort(lacking.begin(), lacking.end());
    for (uint32_t moveable : lacking) {
        if (const ObjectEntry* entry = entryOfMoveable(source, moveable)) {
            needs.needed.push_back(entry);
        }
    }
    return needs;
}

}  // namespace

ObjectNeeds missingDependencies(const EditedWad& edited, const ObjectEntry& object, uint32_t slot) {
    return walkNeeds(heldMoveables(edited, &object, slot), object, slot);
}

std::vector<ObjectNeeds> missingDependencies(const EditedWad& edited) {
    const HeldMoveables held = heldMoveables(edited, nullptr, 0);
    std::vector<ObjectNeeds> all;
    for (uint32_t slot = 0; slot < FIRST_STATIC_SLOT; ++slot) {
        const ObjectEntry* entry = edited.slotTable[slot];
        if (!copiedAsMoveable(entry, slot)) continue;
        ObjectNeeds needs = walkNeeds(held, *entry, slot);
        if (needs.lacksSomething()) all.push_back(std::move(needs));
    }
    return all;
}

std::string needsText(const Session& session, const ObjectNeeds& needs) {
    std::string labels;
    for (size_t i = 0; i < needs.needed.size(); ++i) {
        if (i > 0) labels += i + 1 == needs.needed.size() ? " and " : ", ";
        labels += slotName(session, needs.needed[i]->slot);
    }
    return format("%s needs %s from %s to work.",
                  std::string(slotName(session, needs.object->slot)).c_str(), labels.c_str(),
                  needs.object->owner->fileName.c_str());
}

}  // namespace kavrin
