// The reference tree: one bold root per loaded source and one item per object under it.
#pragma once

#include <cstddef>

class QString;

class QTreeWidget;
class QTreeWidgetItem;

namespace kavrin {
struct ObjectCatalogue;
struct ObjectEntry;
struct ReferenceSource;
}  // namespace kavrin

namespace kavrin::shell {

// Inserts the source's root at `position` among the roots, with a child per entry, and hands the
// items to the entries.
void addReferenceItems(QTreeWidget& tree, const ObjectCatalogue& catalogue, ReferenceSource& source,
                       size_t position);

// The entry an item shows: a source's root entry or one of its objects.
const ObjectEntry* entryOf(const QTreeWidgetItem* item);
// The item that shows an entry; null for an entry not in the tree.
QTreeWidgetItem* itemOf(const ObjectEntry& entry);

// Hides what the filter's text does not let through and opens the roots that keep objects while
// there is a text. Returns the first object shown, or null.
QTreeWidgetItem* filterReferenceItems(QTreeWidget& tree, const ObjectCatalogue& catalogue,
                                      const QString& text);

}  // namespace kavrin::shell
