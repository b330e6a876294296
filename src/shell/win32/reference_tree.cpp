#include "shell/win32/reference_tree.h"

#include "editing/entries.h"
#include "editing/reference_filter.h"
#include "editing/reference_source.h"
#include "editing/session.h"
#include "framework/shown_text.h"
#include "shell/win32/dialogs/wide_text.h"
#include "shell/win32/resource_ids.h"

namespace kavrin::win32 {

HWND ReferenceTree::create(HWND parent, HINSTANCE instance, HFONT font) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                  TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_FULLROWSELECT;
    tree_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"kavrin_ref_tree", style, 0, 0, 250, 250,
                        parent, reinterpret_cast<HMENU>(ID_REFERENCE_TREE), instance, nullptr);
    SendMessageW(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return tree_;
}

void ReferenceTree::addSource(ReferenceSource& source, size_t position) {
    roots_.insert(roots_.begin() + static_cast<std::ptrdiff_t>(std::min(position, roots_.size())),
                  &source);
    // The view's mark that the entries are in the tree (see the header).
    source.rootEntry.treeItem = reinterpret_cast<TreeItem>(&source.rootEntry);
    for (ObjectEntry& entry : source.entries)
        entry.treeItem = reinterpret_cast<TreeItem>(&entry);
    rebuild();
}

void ReferenceTree::setFilter(const std::string& text) {
    if (text == filter_) return;
    filter_ = text;
    rebuild();
}

HTREEITEM ReferenceTree::insert(HTREEITEM parent, const std::wstring& text,
                                const ObjectEntry& entry, bool bold) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&entry);
    insert.item.state = bold ? TVIS_BOLD : 0;
    insert.item.stateMask = TVIS_BOLD;
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    items_[&entry] = item;
    return item;
}

void ReferenceTree::rebuild() {
    rebuilding_ = true;
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    TreeView_DeleteAllItems(tree_);
    items_.clear();
    const ObjectEntry* firstMatch = nullptr;
    for (ReferenceSource* source : roots_) {
        FilteredSource shown = filterSource(*session_.catalogue, *source, filter_);
        if (!shown.rootShown) continue;
        HTREEITEM root = insert(TVI_ROOT, widen(source->fileName), source->rootEntry, true);
        for (size_t i = 0; i < source->entries.size(); ++i) {
            if (!shown.entryShown[i]) continue;
            const ObjectEntry& entry = source->entries[i];
            insert(root, widen(alignedNumberText(entryTreeText(*session_.catalogue, entry))), entry,
                   false);
            if (!firstMatch) firstMatch = &entry;
        }
        if (!filter_.empty() || expanded_.count(source)) TreeView_Expand(tree_, root, TVE_EXPAND);
    }
    const ObjectEntry* selected = session_.selectedEntry;
    if (!filter_.empty() && (!selected || !items_.count(selected))) selected = firstMatch;
    session_.selectedEntry = selected;
    if (selected) {
        TreeView_SelectItem(tree_, items_[selected]);
        TreeView_EnsureVisible(tree_, items_[selected]);
    }
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
    rebuilding_ = false;
}

bool ReferenceTree::select(const ObjectEntry& entry) {
    auto found = items_.find(&entry);
    if (found == items_.end()) return false;
    TreeView_SelectItem(tree_, found->second);
    TreeView_EnsureVisible(tree_, found->second);
    return true;
}

const ObjectEntry* ReferenceTree::entryOf(HTREEITEM item) const {
    if (!item) return nullptr;
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) return nullptr;
    return reinterpret_cast<const ObjectEntry*>(data.lParam);
}

HTREEITEM ReferenceTree::itemAt(POINT screen) const {
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(tree_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

void ReferenceTree::selectionChanged(const NMTREEVIEWW& change) {
    if (!rebuilding_) session_.selectedEntry = entryOf(change.itemNew.hItem);
}

void ReferenceTree::expansionChanged(const NMTREEVIEWW& change) {
    if (rebuilding_) return;
    const ObjectEntry* entry = entryOf(change.itemNew.hItem);
    if (!entry || entry->index >= 0) return;
    if (change.action & TVE_EXPAND) {
        expanded_.insert(entry->owner);
    } else {
        expanded_.erase(entry->owner);
    }
}

}  // namespace kavrin::win32
