#include "support/editing_session.h"

#include <gtest/gtest.h>

#include "editing/reference_collection.h"
#include "editing/rows.h"

namespace kavrin::test {

EditingSession::EditingSession() {
    session.ui.port = recording.ui.port;
    session.catalogue = &catalogue;
}

ReferenceSource& EditingSession::listSet(const std::string& name, const SetObjects& objects) {
    session.references.insert(session.references.begin(), madeWadSet(session.ui, name, objects));
    ReferenceSource& source = *session.references.front();
    addReferenceToTree(session, source);
    return source;
}

void EditingSession::selectEntry(const ReferenceSource& source, int index) {
    session.selectedEntry = index < 0 ? &source.rootEntry : &source.entries.at(index);
}

void EditingSession::selectRowOf(uint32_t slot) {
    std::optional<size_t> row = findRow(session.edited, slot);
    ASSERT_TRUE(row) << "no row shows slot " << slot;
    session.edited.selectedRow = static_cast<int32_t>(*row);
}

}  // namespace kavrin::test
