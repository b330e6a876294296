// The view port: how the editing core tells its view what changed.
//
// The core keeps the reference list, the entries, the slot table and the rows of the edited list;
// a view (the Qt main window, or a recording view in tests) only shows them. Every operation may
// be absent.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kavrin {

struct ReferenceSource;

struct ViewPort {
    // A source joined the reference list: show its root item (text `fileName`, bold) and one child
    // per entry (texts from `entryTreeText`), and store their handles in the entries' `treeItem`.
    std::function<void(ReferenceSource& source)> referenceAdded;
    // The row at this position of the edited list shows different texts or mark.
    std::function<void(size_t row)> rowChanged;
    // The rows were replaced or reordered: show them all again.
    std::function<void()> rowsRebuilt;
    // Select the row and scroll it into view.
    std::function<void(size_t row)> rowSelected;
    // Stop (false) or resume (true) redrawing the edited list around many changes.
    std::function<void(bool on)> redraw;
    // The main window's title changed.
    std::function<void(const std::string& title)> titleChanged;
};

}  // namespace kavrin
