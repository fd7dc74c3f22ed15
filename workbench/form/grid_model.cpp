#include "workbench/form/grid_model.h"

#include "workbench/table.h"

namespace {

// The tables hold Latin-1 bytes; Qt holds Unicode.
QString ToQt(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

GridModel::GridModel(Table& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !attached_ ? 0 : static_cast<int>(table_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.fieldCount(); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    if (static_cast<size_t>(index.row()) >= table_.size()) return {};
    return ToQt(table_.at(static_cast<size_t>(index.row()), index.column()));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !attached_) return false;
    const size_t row = static_cast<size_t>(index.row());
    if (row >= table_.size()) return false;
    const QByteArray text = value.toString().toLatin1();
    const std::string_view bytes(text.constData(), static_cast<size_t>(text.size()));
    if (bytes == table_.at(row, index.column())) return true;  // nothing to post
    const size_t moved = table_.PostField(row, index.column(), bytes);
    if (moved == row) {
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    } else {
        // A new sort key moved the row; the rows between shifted with it.
        beginResetModel();
        endResetModel();
        emit RowMoved(static_cast<int>(moved), index.column());
    }
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= table_.fieldCount()) return {};
    const std::string_view title = table_.layout().fields[static_cast<size_t>(section)].title;
    return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
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
    if (!attached_ || row < 0 || static_cast<size_t>(row) >= table_.size()) return;
    beginRemoveRows(QModelIndex(), row, row);
    table_.Remove(static_cast<size_t>(row));
    endRemoveRows();
}

int GridModel::AddRow() {
    beginResetModel();
    const size_t row = table_.Append(table_.NewRow());
    endResetModel();
    return static_cast<int>(row);
}
