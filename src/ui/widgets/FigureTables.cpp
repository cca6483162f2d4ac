#include "ui/widgets/FigureTables.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

namespace qv {

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
