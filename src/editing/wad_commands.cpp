#include "editing/wad_commands.h"

#include "editing/edited_wad_commands.h"
#include "editing/reference_collection.h"
#include "editing/save_wad.h"
#include "editing/session.h"
#include "framework/choose_file.h"
#include "framework/file_types.h"

namespace kavrin {

bool askSaveChanges(Session& session) {
    if (!session.edited.dirty) return true;
    switch (showMessage(session.ui, MessageStyle::QuestionYesNoCancel, "Kavrin",
                        "Save changes to %s Wad?", editedWadName(session))) {
        case Button::Yes:
            return saveWad(session, false);
        case Button::No:
            return true;
        default:
            return false;
    }
}

bool dropEditedWad(Session& session) {
    if (!askSaveChanges(session)) return false;
    // The slots point into the old source: empty them before it goes.
    clearEditedWad(session);
    releaseReference(session.edited.editedSource);
    return true;
}

void newWad(Session& session) {
    if (!dropEditedWad(session)) return;
    session.edited.editedWasFile->name.clear();
    updateTitle(session);
}

void openWadForEditing(Session& session) {
    if (!askSaveChanges(session)) return;
    std::unique_ptr<FileRecord> chosen;
    if (!chooseFile(session.ui, false, "Open Wad for Editing", FILE_WAS, true, chosen)) return;
    std::unique_ptr<ReferenceSource> source = loadUnlinkedWadSet(session, *chosen);
    if (!source) return;

    EditedWad& edited = session.edited;
    edited.editedWasFile = std::move(chosen);
    clearEditedWad(session);
    releaseReference(edited.editedSource);
    edited.editedSource = std::move(source);
    placeEntries(session, *edited.editedSource, 0, -1);
    edited.dirty = false;
    updateTitle(session);
}

}  // namespace kavrin
