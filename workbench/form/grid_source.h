// What a grid needs of a table: its shape, its cells, and the edits a user
// makes. The workbench's tables are reached through this, so the grid model
// stays free of the core's types.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class GridSource {
public:
    virtual ~GridSource() = default;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    virtual QString Cell(int row, int column) const = 0;
    // Stores and posts the row; returns the row's index afterwards (a sorted
    // table may move it).
    virtual int SetCell(int row, int column, const QString& value) = 0;
    virtual void RemoveRow(int row) = 0;
    // Posts a new empty row; returns its index.
    virtual int AddRow() = 0;
    // Column titles and widths in characters, as the grid shows them.
    virtual QStringList Titles() const = 0;
    virtual std::vector<int> Widths() const = 0;
};
