#include "ui/widgets/FigureTables.h"

#include "ui/widgets/GridExport.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace qv {

QTableView* NewFigureGrid(QWidget* parent, Ports& ports, const QString& name, const QString& accessibleName,
                          QStandardItemModel*& model) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setAccessibleName(accessibleName);
    model = new QStandardItemModel(grid);
    grid->setModel(model);
    grid->verticalHeader()->hide();
    // Rows as high as in the program's other grids: the text and a little air.
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(std::max(18, grid->fontMetrics().height() + 4));
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Every column as wide as its widest text with some room, and the player may widen it. A new column
    // starts narrow, so that the fitted width, not Qt's default one, counts as the program's.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setDefaultSectionSize(grid->horizontalHeader()->minimumSectionSize());
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false); // Tab leaves the grid, the arrows move inside it
    InstallGridExport(*grid, ports, accessibleName + QStringLiteral(".csv"));
    return grid;
}

void FillFigureModel(QStandardItemModel& model, const QStringList& headings, const std::vector<QStringList>& rows,
                     Qt::Alignment firstColumn) {
    model.clear();
    model.setColumnCount(static_cast<int>(headings.size()));
    model.setHorizontalHeaderLabels(headings);
    for (const QStringList& row : rows) {
        QList<QStandardItem*> items;
        for (int c = 0; c < row.size(); ++c) {
            auto* item = new QStandardItem(row[c]);
            item->setEditable(false);
            item->setTextAlignment(c == 0 ? firstColumn : Qt::AlignRight | Qt::AlignVCenter);
            items << item;
        }
        model.appendRow(items);
    }
}

int FitColumnsToText(QTableView& grid) {
    const QAbstractItemModel* model = grid.model();
    const QFontMetrics headingMetrics(grid.horizontalHeader()->font());
    int width = 2 * grid.frameWidth();
    for (int c = 0; c < model->columnCount(); ++c) {
        int column = headingMetrics.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + 20;
        for (int r = 0; r < model->rowCount(); ++r) {
            column = std::max(column, grid.fontMetrics().horizontalAdvance(model->index(r, c).data().toString()) + 16);
        }
        // A width the player chose stays when the figures change.
        column = std::max(column, grid.columnWidth(c));
        grid.setColumnWidth(c, column);
        width += column;
    }
    return width;
}

void FitHeightToRows(QTableView& grid) {
    int height = grid.horizontalHeader()->sizeHint().height() + 2 * grid.frameWidth();
    for (int r = 0; r < grid.model()->rowCount(); ++r) {
        height += grid.rowHeight(r);
    }
    grid.setFixedHeight(height);
}

} // namespace qv
