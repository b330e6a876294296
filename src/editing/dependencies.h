// What the objects of the edited WAD need from their sources to be saved: the other moveables of
// the same source that their animations lead into. A save resolves such a link only to a copy of
// that very moveable taken from the same source.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavrin {

struct EditedWad;
struct ObjectEntry;
struct Session;

struct ObjectNeeds {
    const ObjectEntry* object = nullptr;
    uint32_t slot = 0;  // where it is placed, or is about to be
    // The moveables of its source that the edited WAD lacks, in the source's order.
    std::vector<const ObjectEntry*> needed;
    // An animation it leads into that no moveable of its source has: nothing can be added for it.
    std::optional<uint32_t> strayAnimation;

    bool lacksSomething() const { return !needed.empty() || strayAnimation.has_value(); }
};

// What the object, placed in `slot` or about to be (in place of what the slot holds), needs that
// no other slot holds: the moveables of its source its animations lead into, and the ones theirs
// lead into in turn. These are exactly the links a save would find missing.
ObjectNeeds missingDependencies(const EditedWad& edited, const ObjectEntry& object, uint32_t slot);

// The same for every object of the edited WAD that lacks something, in slot order.
std::vector<ObjectNeeds> missingDependencies(const EditedWad& edited);

// "<LABEL> needs <LABEL>, <LABEL> and <LABEL> from <file> to work."
std::string needsText(const Session& session, const ObjectNeeds& needs);

}  // namespace kavrin
