#include "workbench/form/grid_view.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "workbench/form/dialogs.h"
#include "workbench/form/grid_model.h"
#include "workbench/form/texts.h"
#include "workbench/table.h"

namespace {

// The grid's colours: its own background, the selected cell, the titles, and
// scroll bars in the same family.
QString GridStyle() {
    const QFont font = FaceFont();
    return QStringLiteral(
               "QTableView { background: #9DA491; color: #1E2420; gridline-color: #868D7B;"
               "  selection-color: #BCBDA6; selection-background-color: #5E5C51; }"
               "QLineEdit { background: #BCC2B0; color: #1E2420; border: 1px solid #5E5C51; }"
               "QHeaderView { background: #62695A; }"
               "QHeaderView::section { background: #62695A; color: #E4E8DA; border: none;"
               "  border-right: 1px solid #4E5448; padding: 0 3px; font-family: \"%1\"; font-size: %2px; }"
               "QTableCornerButton::section { background: #62695A; border: none; }"
               "QScrollBar { background: #868D7B; border: none; }"
               "QScrollBar:horizontal { height: %3px; } QScrollBar:vertical { width: %3px; }"
               "QScrollBar::handle { background: #62695A; border: 1px solid #4E5448; }"
               "QScrollBar::handle:horizontal { min-width: 20px; } QScrollBar::handle:vertical { min-height: 20px; }"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
        .arg(font.family())
        .arg(font.pixelSize())
        .arg(GridView::kScrollBarWidth);
}

// Cell editors that take no more characters than the field holds.
class CapacityDelegate : public QStyledItemDelegate {
public:
    CapacityDelegate(const Table& table, QObject* parent) : QStyledItemDelegate(parent), table_(table) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(static_cast<int>(table_.layout().fields[static_cast<size_t>(index.column())].capacity));
        return editor;
    }

private:
    const Table& table_;
};

}  // namespace

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
    setStyleSheet(GridStyle());
    setItemDelegate(new CapacityDelegate(model.table(), this));
    setTabKeyNavigation(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFont(FaceFont());
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(QFontMetrics(FaceFont()).height() + 3);
    verticalHeader()->setMinimumSectionSize(QFontMetrics(FaceFont()).height() + 1);
    ApplyWidths();
    connect(&model, &QAbstractItemModel::modelReset, this, &GridView::ApplyWidths);
    // The cursor follows a row that an edit moved.
    connect(&model, &GridModel::RowMoved, this, &GridView::SelectCell);
}

void GridView::ApplyWidths() {
    const qreal charWidth = QFontMetricsF(FaceFont()).horizontalAdvance(QLatin1Char('0'));
    const auto& fields = model_.table().layout().fields;
    for (size_t column = 0; column < fields.size(); ++column)
        setColumnWidth(static_cast<int>(column), qRound(fields[column].width * charWidth) + 8);
}

int GridView::ColumnsWidth() const {
    int width = 0;
    for (int column = 0; column < model_.columnCount(); ++column) width += columnWidth(column);
    return width;
}

void GridView::SelectCell(int row, int column) {
    if (row < 0 || row >= model_.rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex cell = model_.index(row, column);
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
    if (!current.isValid() || !dialogs_.Confirm(texts::kDeleteRow)) return;
    model_.RemoveRow(current.row());
}

void GridView::AddRow() {
    const int row = model_.AddRow();
    const QModelIndex cell = model_.index(row, 0);
    setCurrentIndex(cell);
    edit(cell);
}
