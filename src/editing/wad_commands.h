// The File menu commands that start over with another edited WAD.
#pragma once

namespace kavrin {

struct Session;

// Before the edited WAD is dropped: asks whether to save unsaved changes. True to go on; false
// when the user cancelled or the save failed.
bool askSaveChanges(Session& session);

// Before a command that starts the edited WAD over: asks about unsaved changes, then empties
// every slot and lets the set opened for editing go. False, nothing changed, when the user
// cancelled or the save failed.
bool dropEditedWad(Session& session);

// Starts an untitled, empty edited WAD in the same directory.
void newWad(Session& session);

// Opens a WAD set for editing: every object of the set sits in its own slot, nothing unsaved. A
// cancelled dialog or a failed load leaves the edited WAD as it was.
void openWadForEditing(Session& session);

}  // namespace kavrin
