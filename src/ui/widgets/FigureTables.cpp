#include "ui/widgets/FigureTables.h"

#include "ui/widgets/GridExport.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace qv {

QTableView* NewFigureGrid(QWidget* parent, Ports& ports, const QString& name, const QString& accessibleName,
                          QStandardItemModel*& model) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setAccessibleName(accessibleName);
    model = new QStandardItemModel(grid);
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
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

void FitHeightToRows(QTableView& grid) {
    int height = grid.horizontalHeader()->sizeHint().height() + 2 * grid.frameWidth();
    for (int r = 0; r < grid.model()->rowCount(); ++r) {
        height += grid.rowHeight(r);
    }
    grid.setFixedHeight(height);
}

} // namespace qv
