#include "workbench/form/grid_view.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>

#include "workbench/form/dialogs.h"
#include "workbench/form/grid_model.h"
#include "workbench/table.h"

QFont FaceFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The face's small font: 8 points at the 96 dots per inch it was drawn for.
    font.setPixelSize(11);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

GridView::GridView(GridModel& model, Dialogs& dialogs, QWidget* parent)
    : QTableView(parent), model_(model), dialogs_(dialogs) {
    setModel(&model);
    setFont(FaceFont());
    setTabKeyNavigation(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFont(FaceFont());
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(QFontMetrics(FaceFont()).height() + 3);
    verticalHeader()->setMinimumSectionSize(QFontMetrics(FaceFont()).height() + 1);
    ApplyWidths();
    connect(&model, &QAbstractItemModel::modelReset, this, &GridView::ApplyWidths);
}

void GridView::ApplyWidths() {
    const int charWidth = QFontMetrics(FaceFont()).horizontalAdvance(QLatin1Char('0'));
    const auto& fields = model_.table().spec().fields;
    for (size_t column = 0; column < fields.size(); ++column)
        setColumnWidth(static_cast<int>(column), fields[column].width * charWidth + 8);
}

void GridView::SelectRow(int row) {
    if (row < 0 || row >= model_.rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex cell = model_.index(row, currentIndex().isValid() ? currentIndex().column() : 0);
    setCurrentIndex(cell);
    scrollTo(cell, QAbstractItemView::PositionAtCenter);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
            DeleteCurrentRow();
            return;
        }
        if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            AddRow();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void GridView::DeleteCurrentRow() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !dialogs_.Confirm(kDeleteQuestion)) return;
    model_.RemoveRow(current.row());
}

void GridView::AddRow() {
    const int row = model_.AddRow();
    const QModelIndex cell = model_.index(row, 0);
    setCurrentIndex(cell);
    edit(cell);
}
