// A session as the editing tests use it: a labelled catalogue, the recording ui, a recording view
// that keeps the reference tree as a window shows it, and sources made in the test listed as if
// the user had loaded them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/session.h"
#include "support/recording_ui.h"

namespace kavrin::test {

struct SetObjects {
    std::vector<uint32_t> moveables = {};        // object ids
    std::vector<uint32_t> spriteSequences = {};  // slots
    std::vector<uint32_t> statics = {};          // static numbers
};

struct TreeRoot {
    std::string text;
    std::vector<std::string> children;  // the child texts, in entry order
};

// A view port that remembers what the editing core told it.
struct RecordingView {
    // Installs itself as the session's view; the session must outlive it.
    explicit RecordingView(Session& session);
    RecordingView(const RecordingView&) = delete;
    RecordingView& operator=(const RecordingView&) = delete;

    // In order: "reference <file> at <position>", "entry <file> <index>", "row <n>", "rebuilt",
    // "select <n>", "redraw off", "redraw on", "title <title>".
    std::vector<std::string> events;
    std::vector<TreeRoot> roots;  // in the tree's order
    std::string title;
    TreeItem nextItem = 1;  // handles as a tree control hands them out: unique, never 0
};

struct EditingSession {
    EditingSession();

    RecordingUi recording;
    // Every slot labelled "OBJECT_<slot>" or "STATIC_<number>", but for the Level Editor's labels
    // of slots 0, 460, 463 and 464.
    ObjectCatalogue catalogue;
    Session session;
    RecordingView view{session};

    // Lists a WAD set holding these objects (and nothing else) as a loaded reference: at the head
    // of the list, shown in the tree.
    ReferenceSource& listSet(const std::string& name, const SetObjects& objects);
    // The entry of a listed source, as the user selects it in the tree.
    void selectEntry(const ReferenceSource& source, int index);
    // The row showing the slot, selected as the user selects it in the list.
    void selectRowOf(uint32_t slot);
};

}  // namespace kavrin::test
