// The commands that change what the edited WAD's slots hold, and how its list shows them.
#pragma once

#include <cstdint>
#include <vector>

namespace kavrin {

struct ObjectEntry;
struct ReferenceSource;
struct Session;

// The Add button: the selected tree entry into its own slot, or, for a source's root, every
// entry of the source after one question. Add and Replace offer, with one question, the moveables
// of its source that the object needs and the edited WAD lacks.
void add(Session& session);
// The Replace button: the selected tree entry into the selected row's slot.
void replace(Session& session);
// The Delete button: empties the selected row's slot.
void deleteObject(Session& session);

// Places entries `first` to `last` (-1: the final one) of the source into their own slots, marks
// their rows and selects the first of them. Entries without a slot are left out, with a beep.
void placeEntries(Session& session, ReferenceSource& source, int32_t first, int32_t last);

// Why an object whose own slot is `incomingSlot` may not go into `slot`, or null when it may:
// sprite data moves only between equal special slots, and moveables and static meshes do not mix.
const char* replaceRefusal(uint32_t slot, uint32_t incomingSlot, bool incomingIsMoveable);

// Puts the entry into the slot, which may be another object's, and shows it in the slot's row; the
// selection stays where it is.
void placeEntryAt(Session& session, uint32_t slot, const ObjectEntry& entry);

// Places each entry in its own slot; before one takes an occupied slot, asks as Add does when
// overwriting is to be confirmed. The selection stays where it is.
void placeInOwnSlots(Session& session, const std::vector<const ObjectEntry*>& entries);

// Places everything the objects of the edited WAD need from their sources and lack, each in its
// own slot as placeInOwnSlots does.
void addMissingDependencies(Session& session);

// Empties every slot; nothing is left unsaved.
void clearEditedWad(Session& session);

// The "Display Objects of Type" choice: rows for that category's slots, in slot order.
void setCategoryFilter(Session& session, uint32_t category);

// The Options menu; each returns the option's new state, for the menu's check mark.
bool toggleConfirmDeletions(Session& session);
bool toggleConfirmOverwriting(Session& session);

}  // namespace kavrin
