#include "shell/qt/reference_tree.h"

#include <QTreeWidget>

#include "editing/entries.h"
#include "editing/reference_source.h"
#include "shell/qt/aligned_text.h"

namespace kavrin::shell {

namespace {

constexpr int ENTRY_ROLE = Qt::UserRole;

QTreeWidgetItem* makeItem(const QString& text, ObjectEntry& entry) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, ENTRY_ROLE, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
    entry.treeItem = reinterpret_cast<TreeItem>(item);
    return item;
}

}  // namespace

void addReferenceItems(QTreeWidget& tree, const ObjectCatalogue& catalogue, ReferenceSource& source,
                       size_t position) {
    QTreeWidgetItem* root = makeItem(QString::fromStdString(source.fileName), source.rootEntry);
    QFont bold = root->font(0);
    bold.setBold(true);
    root->setFont(0, bold);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(source.entries.size()));
    for (ObjectEntry& entry : source.entries) {
        children.append(makeItem(alignedNumberText(entryTreeText(catalogue, entry)), entry));
    }
    root->addChildren(children);
    tree.insertTopLevelItem(static_cast<int>(position), root);
}

const ObjectEntry* entryOf(const QTreeWidgetItem* item) {
    if (!item) return nullptr;
    return reinterpret_cast<const ObjectEntry*>(item->data(0, ENTRY_ROLE).value<quintptr>());
}

}  // namespace kavrin::shell
