#include "workbench/form/grid_model.h"

#include "workbench/form/grid_source.h"

GridModel::GridModel(GridSource& source, QObject* parent) : QAbstractTableModel(parent), source_(source) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !attached_ ? 0 : source_.RowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : source_.ColumnCount(); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return source_.Cell(index.row(), index.column());
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString text = value.toString();
    if (text == source_.Cell(index.row(), index.column())) return true;  // nothing to post
    const int row = index.row();
    const int moved = source_.SetCell(row, index.column(), text);
    if (moved == row) {
        emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    } else {
        // The sorted table moved the row: everything between the two places shifted.
        beginResetModel();
        endResetModel();
    }
    emit RowPosted(moved);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const QStringList titles = source_.Titles();
    return section >= 0 && section < titles.size() ? QVariant(titles[section]) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void GridModel::Detach() {
    if (!attached_) return;
    beginResetModel();
    attached_ = false;
    endResetModel();
}

void GridModel::Attach() {
    beginResetModel();
    attached_ = true;
    endResetModel();
}

void GridModel::RemoveRow(int row) {
    if (row < 0 || row >= source_.RowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    source_.RemoveRow(row);
    endRemoveRows();
}

int GridModel::AddRow() {
    beginResetModel();
    const int row = source_.AddRow();
    endResetModel();
    return row;
}
