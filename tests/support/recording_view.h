// The recording view: a view port that remembers what the editing core told it, and keeps the
// reference tree as a window would show it.
#pragma once

#include <string>
#include <vector>

#include "editing/session.h"

namespace kavrin::test {

struct TreeRoot {
    std::string text;
    const ReferenceSource* source = nullptr;
    std::vector<std::string> children;  // the child texts, in entry order
};

struct RecordingView {
    // Installs itself as the session's view; the session must outlive it.
    explicit RecordingView(Session& session);
    RecordingView(const RecordingView&) = delete;
    RecordingView& operator=(const RecordingView&) = delete;

    // In order: "reference <file> at <position>", "row <n>", "rebuilt", "select <n>",
    // "redraw off", "redraw on", "title <title>".
    std::vector<std::string> events;
    std::vector<TreeRoot> roots;  // in the tree's order
    std::string title;
    TreeItem nextItem = 1;  // handles as a tree control hands them out: unique, never 0
};

}  // namespace kavrin::test
