// The rows of the edited list, as the editing core keeps them, for a table view.
#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

namespace kavrin {
struct Session;
}

namespace kavrin::shell {

class EditedListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    EditedListModel(const Session& session, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The core replaced, reordered or changed every row.
    void rebuild();
    // The core changed what one row shows.
    void rowChanged(int row);

    // A reference tree entry may be dropped onto a row, between rows or below them; it comes as
    // the item models' own data, which is all this model takes.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // A tree entry was dropped onto this row, or between or below the rows (-1).
    void entryDropped(int row);

private:
    const Session& session_;
    QPixmap occupied_;
};

}  // namespace kavrin::shell
