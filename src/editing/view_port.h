// The view port: how the editing core tells its view what changed.
//
// The core keeps the reference list, the entries, the slot table and the rows of the edited list;
// a view (the Qt main window, or a recording view in tests) only shows them. Every operation may
// be absent; the core calls them through the `show...` helpers below.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace kavrin {

struct ObjectEntry;
struct ReferenceSource;

struct ViewPort {
    // A source joined the reference list: show its root item (text `fileName`, bold) at this
    // position among the roots, and one child per entry (texts from `entryTreeText`); store their
    // handles in `rootEntry.treeItem` and the entries' `treeItem`.
    std::function<void(ReferenceSource& source, size_t rootPosition)> referenceAdded;
    // The row at this position of the edited list shows different texts or mark.
    std::function<void(size_t row)> rowChanged;
    // Select the entry's tree item (a source's root or one of its objects) and scroll it into
    // view, showing it again if the tree's filter hides it.
    std::function<void(const ObjectEntry& entry)> entrySelected;
    // The rows were replaced, reordered or all changed: show them all again.
    std::function<void()> rowsRebuilt;
    // Select the row and scroll it into view.
    std::function<void(size_t row)> rowSelected;
    // Stop (false) or resume (true) redrawing the edited list around many changes.
    std::function<void(bool on)> redraw;
    // The main window's title changed.
    std::function<void(const std::string& title)> titleChanged;
    // The slots hold other objects than before, so the set a save would write is another one.
    std::function<void()> editedWadChanged;
};

inline void showReferenceAdded(ViewPort& view, ReferenceSource& source, size_t rootPosition) {
    if (view.referenceAdded) view.referenceAdded(source, rootPosition);
}
inline void showRowChanged(ViewPort& view, size_t row) {
    if (view.rowChanged) view.rowChanged(row);
}
inline void showEntrySelected(ViewPort& view, const ObjectEntry& entry) {
    if (view.entrySelected) view.entrySelected(entry);
}
inline void showRowsRebuilt(ViewPort& view) {
    if (view.rowsRebuilt) view.rowsRebuilt();
}
inline void showRowSelected(ViewPort& view, size_t row) {
    if (view.rowSelected) view.rowSelected(row);
}
inline void showRedraw(ViewPort& view, bool on) {
    if (view.redraw) view.redraw(on);
}
inline void showTitle(ViewPort& view, const std::string& title) {
    if (view.titleChanged) view.titleChanged(title);
}
inline void showEditedWadChanged(ViewPort& view) {
    if (view.editedWadChanged) view.editedWadChanged();
}

}  // namespace kavrin
