#pragma once

#include <QStringList>
#include <Qt>

#include <vector>

class QStandardItemModel;
class QTableView;

namespace qv {

// Fills model with read-only rows of figures under headings: the first column aligned as firstColumn
// says, every other column to the right.
void FillFigureModel(QStandardItemModel& model, const QStringList& headings, const std::vector<QStringList>& rows,
                     Qt::Alignment firstColumn);

// Makes grid exactly as tall as its heading and rows, so every figure shows without scrolling.
void FitHeightToRows(QTableView& grid);

} // namespace qv
