// A grid on the face: the 8-pixel fixed font, the face's colours, column
// widths in characters, tab moves between cells, Ctrl+Delete to delete the
// current row after a confirmation, Insert to add an empty row.
#pragma once

#include <QTableView>

class Dialogs;
class GridModel;

class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(GridModel& model, Dialogs& dialogs, QWidget* parent = nullptr);

    // Selects the cell of `row` in `column` and scrolls to it; row -1 selects
    // nothing.
    void SelectCell(int row, int column);
    // Sets each column's width from the table's widths in characters.
    void ApplyWidths();
    // The width of all columns together.
    int ColumnsWidth() const;
    static constexpr int kScrollBarWidth = 10;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DeleteCurrentRow();
    void AddRow();

    GridModel& model_;
    Dialogs& dialogs_;
};

// The face's fixed font, also used by its labels.
QFont FaceFont();
