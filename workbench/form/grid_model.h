// A Qt item model over one workbench table: its fields as columns with the
// table's grid titles, every cell editable, an edit posted into the table.
// It can be detached, so that a long command changes the table without the
// grid following every row, and attached again, which shows the table as it
// is now.
#pragma once

#include <QAbstractTableModel>

class Table;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(Table& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void Detach();
    void Attach();
    bool attached() const { return attached_; }

    // Removes a row / posts an empty one (returning its index), keeping the
    // views in step.
    void RemoveRow(int row);
    int AddRow();

    Table& table() { return table_; }

signals:
    // An edit gave the row a new sort key and moved it to `row`.
    void RowMoved(int row, int column);

private:
    Table& table_;
    bool attached_ = true;
};
