#include "shell/qt/reference_tree.h"

#include <QTreeWidget>

#include "editing/entries.h"
#include "editing/reference_filter.h"
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

QTreeWidgetItem* itemOf(const ObjectEntry& entry) {
    return reinterpret_cast<QTreeWidgetItem*>(entry.treeItem);
}

QTreeWidgetItem* filterReferenceItems(QTreeWidget& tree, const ObjectCatalogue& catalogue,
                                      const QString& text) {
    std::string wanted = text.toStdString();
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = tree.topLevelItem(i);
        const ObjectEntry* rootEntry = entryOf(root);
        FilteredSource shown = filterSource(catalogue, *rootEntry->owner, wanted);
        root->setHidden(!shown.rootShown);
        for (int child = 0; child < root->childCount(); ++child) {
            bool matches = shown.entryShown[static_cast<size_t>(child)];
            root->child(child)->setHidden(!matches);
            if (matches && shown.rootShown && !first) first = root->child(child);
        }
        if (!wanted.empty() && shown.rootShown) root->setExpanded(true);
    }
    return first;
}

}  // namespace kavrin::shell
