#include "support/recording_view.h"

#include <gtest/gtest.h>

#include "editing/entries.h"

namespace kavrin::test {

RecordingView::RecordingView(Session& session) {
    ViewPort& view = session.view;
    view.referenceAdded = [this, &session](ReferenceSource& source, size_t position) {
        events.push_back("reference " + source.fileName + " at " + std::to_string(position));
        if (position > roots.size()) {
            ADD_FAILURE() << "root position " << position << " past " << roots.size() << " roots";
            position = roots.size();
        }
        TreeRoot root{source.fileName, &source, {}};
        source.rootEntry.treeItem = nextItem++;
        for (ObjectEntry& entry : source.entries) {
            root.children.push_back(entryTreeText(*session.catalogue, entry));
            entry.treeItem = nextItem++;
        }
        roots.insert(roots.begin() + static_cast<std::ptrdiff_t>(position), std::move(root));
    };
    view.rowChanged = [this](size_t row) { events.push_back("row " + std::to_string(row)); };
    view.rowsRebuilt = [this] { events.push_back("rebuilt"); };
    view.rowSelected = [this](size_t row) { events.push_back("select " + std::to_string(row)); };
    view.redraw = [this](bool on) { events.push_back(on ? "redraw on" : "redraw off"); };
    view.titleChanged = [this](const std::string& shown) {
        title = shown;
        events.push_back("title " + shown);
    };
}

}  // namespace kavrin::test
