#pragma once

#include <QTableWidget>

namespace qv {

// A grid of text cells addressed as (column, row). Row 0 is the heading row and the first fixedColumns
// columns are heading columns: they look like headings and cannot be selected. Cells hold plain
// text, left aligned; centred texts carry leading blanks (CenterPad80, CenterPad70). For a screen reader
// the grid names its columns by their headings and its rows by their heading columns. Tab leaves the
// grid, the arrow keys move inside it.
class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit StringGrid(QWidget* parent = nullptr, int fixedColumns = 1);

    QString Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

    int ColumnWidth(int column) const { return columnWidth(column); }
    void SetColumnWidth(int column, int width) { setColumnWidth(column, width); }
    int FixedColumns() const { return m_fixedColumns; }

    // Grows the grid when needed so that (column, row) exists.
    void EnsureCell(int column, int row);

private:
    bool IsFixed(int column, int row) const { return row == 0 || column < m_fixedColumns; }
    void SetHeader(int section, Qt::Orientation orientation, const QString& text);

    int m_fixedColumns;
};

} // namespace qv
