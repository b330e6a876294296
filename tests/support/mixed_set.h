// An edited WAD made of objects from several sources, for the round-trip tests and the save
// benchmark alike. Header-only and built on the core alone, so the benchmark can use it too.
#pragma once

#include <initializer_list>

#include "editing/animation_links.h"
#include "editing/edited_wad_commands.h"
#include "editing/session.h"

namespace kavrin::test {

// True when every link of the moveable's animations stays among its own animations (or leads past
// the source's animations), so it can be saved without any other moveable.
inline bool selfContained(const ObjectSourceBlock& block, uint32_t m) {
    return forEachAnimationLink(
        block, m, [](const AnimationLink& link) { return link.kind != LinkTarget::Other; });
}

// Places, source by source, every object that stands alone into its own slot while that slot is
// still free; sprite sequences are left to the caller. `staticsFrom` false leaves a source's
// static meshes out. Returns the number of objects each source gave, in the order given.
inline std::vector<int> fillFreeSlots(
    Session& session, std::initializer_list<std::pair<ReferenceSource*, bool>> sources) {
    std::vector<int> placed;
    for (auto [source, staticsFrom] : sources) {
        int count = 0;
        for (const ObjectEntry& entry : source->entries) {
            const bool sprites =
                entry.isMoveable && entry.kindIndex >= source->block.moveables.size();
            if (sprites || session.edited.slotTable[entry.slot]) continue;
            if (entry.isMoveable ? !selfContained(source->block, entry.kindIndex) : !staticsFrom) {
                continue;
            }
            placeEntries(session, *source, entry.index, entry.index);
            ++count;
        }
        placed.push_back(count);
    }
    return placed;
}

}  // namespace kavrin::test
