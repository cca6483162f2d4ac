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
    // Tab leaves the grid; the arrow keys move inside it.
    setTabKeyNavigation(false);
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
    if (row == 0) {
        SetHeader(column, Qt::Horizontal, text);
    } else if (column < m_fixedColumns) {
        QStringList heading;
        for (int fixed = 0; fixed < m_fixedColumns; ++fixed) {
            const QString fixedText = Cell(fixed, row).trimmed();
            if (!fixedText.isEmpty()) {
                heading.append(fixedText);
            }
        }
        SetHeader(row, Qt::Vertical, heading.join(QLatin1Char(' ')));
    }
}

void StringGrid::SetHeader(int section, Qt::Orientation orientation, const QString& text) {
    // The headers stay hidden: the heading cells show the headings, the headers name them for a
    // screen reader. Without a header item a section would be named by its number.
    QTableWidgetItem* header =
        orientation == Qt::Horizontal ? horizontalHeaderItem(section) : verticalHeaderItem(section);
    if (!header) {
        header = new QTableWidgetItem;
        if (orientation == Qt::Horizontal) {
            setHorizontalHeaderItem(section, header);
        } else {
            setVerticalHeaderItem(section, header);
        }
    }
    header->setText(text.trimmed());
}

} // namespace qv
