#include "ui/widgets/StringGrid.h"

#include <QHeaderView>

namespace qv {

StringGrid::StringGrid(QWidget* parent, int fixedColumns)
    : QTableWidget(parent)
    , m_fixedColumns(fixedColumns) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setMinimumSectionSize(8);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setRowCount(1);
}

QString StringGrid::Cell(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void StringGrid::EnsureCell(int column, int row) {
    if (row >= rowCount()) {
        setRowCount(row + 1);
    }
    if (column >= columnCount()) {
        setColumnCount(column + 1);
    }
}

void StringGrid::SetCell(int column, int row, const QString& text) {
    EnsureCell(column, row);
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        if (IsFixed(column, row)) {
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setBackground(palette().button());
            cell->setForeground(palette().buttonText());
        }
        setItem(row, column, cell);
    }
    cell->setText(text);
}

} // namespace qv
