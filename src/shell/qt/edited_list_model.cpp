#include "shell/qt/edited_list_model.h"

#include "editing/rows.h"
#include "editing/session.h"
#include "shell/qt/aligned_text.h"
#include "shell/qt/icons.h"

namespace kavrin::shell {

namespace {

enum Column { MARK, ID, NAME, FILE, LABEL };

// The numbers of the ID column line up on the right.
int alignment(int column) {
    return static_cast<int>((column == ID ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

}  // namespace

EditedListModel::EditedListModel(const Session& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session), occupied_(occupiedMark()) {}

int EditedListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(session_.edited.rows.size());
}

int EditedListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ROW_COLUMN_COUNT;
}

QVariant EditedListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= session_.edited.rows.size()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return alignment(index.column());
    }
    if (role != Qt::DisplayRole && role != Qt::DecorationRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    RowTexts texts = rowTexts(session_, session_.edited.rows[static_cast<size_t>(index.row())]);
    if (index.column() == MARK) {
        if (!texts.occupied) return {};
        if (role == Qt::DecorationRole) return occupied_;
        if (role == Qt::AccessibleTextRole) return tr("Occupied");
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    switch (index.column()) {
        case ID:
            return alignedNumberText(texts.id);
        case NAME:
            return QString::fromStdString(texts.name);
        case FILE:
            return QString::fromStdString(texts.file);
        default:
            return QString::fromStdString(texts.label);
    }
}

QVariant EditedListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) {
        return alignment(section);
    }
    if (role != Qt::DisplayRole) return {};
    switch (section) {
        case ID:
            return tr("ID");
        case NAME:
            return tr("Name");
        case FILE:
            return tr("File");
        case LABEL:
            return tr("Label");
        default:
            return QString();
    }
}

void EditedListModel::rebuild() {
    beginResetModel();
    endResetModel();
}

void EditedListModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ROW_COLUMN_COUNT - 1));
}

Qt::ItemFlags EditedListModel::flags(const QModelIndex& index) const {
    // The invalid index stands for the space below the rows.
    return QAbstractTableModel::flags(index) | Qt::ItemIsDropEnabled;
}

Qt::DropActions EditedListModel::supportedDropActions() const {
    return Qt::CopyAction;
}

bool EditedListModel::dropMimeData(const QMimeData*, Qt::DropAction, int, int,
                                   const QModelIndex& parent) {
    emit entryDropped(parent.isValid() ? parent.row() : -1);
    return true;
}

}  // namespace kavrin::shell
