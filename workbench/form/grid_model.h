// A Qt item model over one workbench table. It can be detached, so that a long
// command changes the table without the grid following every row, and then
// attached again, which shows the table as it is now.
#pragma once

#include <QAbstractTableModel>

class GridSource;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(GridSource& source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void Detach();
    void Attach();
    bool attached() const { return attached_; }

    // Removes a row / adds an empty one, keeping the views in step.
    void RemoveRow(int row);
    int AddRow();

    GridSource& source() { return source_; }

signals:
    // A posted edit moved its row to `row` (in a sorted table).
    void RowPosted(int row);

private:
    GridSource& source_;
    bool attached_ = true;
};
