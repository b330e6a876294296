// The reference tree: one bold root per loaded source, sorted by file name, with a child per
// object entry, showing only what the filter field above it lets through.
//
// A tree view cannot hide items, so a new filter builds the items again; the tree therefore finds
// an entry's item through its own map, not through the entry's `treeItem`, which only says that the
// entry belongs to the tree.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace kavrin {
struct ObjectEntry;
struct ReferenceSource;
struct Session;
}  // namespace kavrin

namespace kavrin::win32 {

class ReferenceTree {
public:
    explicit ReferenceTree(Session& session) : session_(session) {}

    HWND create(HWND parent, HINSTANCE instance, HFONT font);
    HWND handle() const { return tree_; }

    // A source joined the reference list; its root goes to this position among the roots.
    void addSource(ReferenceSource& source, size_t position);
    // Shows only the entries whose labels contain the text. While there is a text, the selection
    // moves to the first match when the filter hides the selected entry.
    void setFilter(const std::string& text);
    // Selects the entry's item; false when the filter hides it.
    bool select(const ObjectEntry& entry);

    // The entry of an item, or null.
    const ObjectEntry* entryOf(HTREEITEM item) const;
    // The item under a point of the screen, or null.
    HTREEITEM itemAt(POINT screen) const;

    // Notifications the main window passes on: the selection and the roots' open state.
    void selectionChanged(const NMTREEVIEWW& change);
    void expansionChanged(const NMTREEVIEWW& change);

private:
    void rebuild();
    HTREEITEM insert(HTREEITEM parent, const std::wstring& text, const ObjectEntry& entry,
                     bool bold);

    Session& session_;
    HWND tree_ = nullptr;
    std::vector<ReferenceSource*> roots_;  // in the tree's order
    std::set<const ReferenceSource*> expanded_;
    std::unordered_map<const ObjectEntry*, HTREEITEM> items_;
    std::string filter_;
    bool rebuilding_ = false;
};

}  // namespace kavrin::win32
