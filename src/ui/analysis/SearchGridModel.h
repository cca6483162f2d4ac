#pragma once

#include "engine/core/NumberSet.h"

#include <QAbstractTableModel>

#include <array>
#include <cstdint>
#include <vector>

class QTableView;

namespace qv {

// One row of the search result grid G1: a draw's date (empty on the further rows of a draw), its 20
// numbers in drawing order and the numbers this row highlights. A blank row shows nothing.
struct SearchGridRow {
    QString date;
    std::array<std::uint8_t, 20> numbers{};
    NumberSet match;
    bool blank = false;
};

// The rows of G1 for a view: "Datum" and the positions "1" to "20" as column headings. Each row keeps
// its own match set, so the highlighting stays that of the search that filled the grid whatever the
// radio buttons say now.
class SearchGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = 21;
    // True for a number cell that is painted lime: its text is a positive number of the row's match set.
    static constexpr int HighlightRole = Qt::UserRole;

    explicit SearchGridModel(QObject* parent = nullptr);

    // Shows the rows; without any, one blank row stays (the grid always has a data row).
    void SetRows(std::vector<SearchGridRow> rows);
    // Empties every cell and keeps the number of rows.
    void EmptyCells();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const SearchGridRow& row, int column) const;

    std::vector<SearchGridRow> m_rows;
};

// Column widths and the cell painting of G1 (its model must be set): number cells white or lime with
// their text centred, the date column plain.
void SetUpSearchGrid(QTableView& view);

} // namespace qv
