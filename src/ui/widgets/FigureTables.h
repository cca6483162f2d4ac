#pragma once

#include <QStringList>
#include <Qt>

#include <vector>

class QStandardItemModel;
class QString;
class QTableView;
class QWidget;

namespace qv {

struct Ports;

// A read-only grid of figures with its own model: named, spoken as accessibleName, rows selected whole
// and as high as the program's other grids, columns the player may widen, Tab leaving it, and copied or
// saved as accessibleName.csv from its context menu.
QTableView* NewFigureGrid(QWidget* parent, Ports& ports, const QString& name, const QString& accessibleName,
                          QStandardItemModel*& model);

// Fills model with read-only rows of figures under headings: the first column aligned as firstColumn
// says, every other column to the right.
void FillFigureModel(QStandardItemModel& model, const QStringList& headings, const std::vector<QStringList>& rows,
                     Qt::Alignment firstColumn);

// Makes every column as wide as its widest text (heading or cell) with some room, never narrower than
// the player made it; returns the grid's width for these columns.
int FitColumnsToText(QTableView& grid);

// Makes grid exactly as tall as its heading and rows, so every figure shows without scrolling.
void FitHeightToRows(QTableView& grid);

} // namespace qv
