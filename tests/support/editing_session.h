// A session as the editing tests use it: a labelled catalogue, the recording ui and the recording
// view, and sources listed as if the user had loaded them.
#pragma once

#include <memory>
#include <string>

#include "editing/session.h"
#include "support/made_sources.h"
#include "support/recording_ui.h"
#include "support/recording_view.h"

namespace kavrin::test {

struct EditingSession {
    EditingSession();

    RecordingUi recording;
    ObjectCatalogue catalogue = labelledCatalogue();
    Session session;
    RecordingView view{session};

    // Lists a made WAD set as a loaded reference: at the head of the list, shown in the tree.
    ReferenceSource& listSet(const std::string& name, const SetObjects& objects);
    // The entry of a listed source, as the user selects it in the tree.
    void selectEntry(const ReferenceSource& source, int index);
    // The row showing the slot, selected as the user selects it in the list.
    void selectRowOf(uint32_t slot);
};

}  // namespace kavrin::test
