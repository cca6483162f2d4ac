#pragma once

#include "engine/analysis/PatternViews.h"
#include "engine/core/ProgramState.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <vector>

class QLabel;

namespace qv {

// The models behind the repeater view and the pattern view. Both are built once from the draws as they
// stand after start-up; a view asks only for the cells it shows, so the whole history scrolls freely.
// Column 0 is the date of the row's draw, headed "Datum". A record that holds no draw of the game
// (IsValidDraw) keeps its row and date; its number cells say "ungültige Ziehung" in column 1 (the
// grid joins them, JoinNumberCells), stay white and count for no other row.

// Every draw with its 20 numbers ascending; repeaters or numbers of one final digit in lime.
class RepeaterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RepeaterModel(const ProgramState& state, QObject* parent = nullptr);

    // Marks the numbers ending in digit (markFinalDigit) or the repeaters of the previous draw.
    void SetMarking(bool markFinalDigit, int digit);
    // The colour of the number in (row, column 1..20), as the view paints it.
    QColor CellColour(int row, int column) const;
    // The rows of records that hold no draw of the game, ascending.
    const std::vector<int>& InvalidRows() const { return m_invalidRows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_dates;
    std::vector<NumberSet> m_sets; // CountableDrawSets: empty for a record that holds no draw
    std::vector<int> m_invalidRows;
    std::vector<TGZsort> m_sorted;
    bool m_markFinalDigit = false;
    int m_digit = 0;
};

// One column per number 1 to 70, coloured by how the number came into the draw (new or repeated so
// many times in a row), and the count of repeaters in column 71 ("Wdh").
class PatternModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PatternModel(const ProgramState& state, QObject* parent = nullptr);

    static constexpr int kRepeatColumn = 71;
    QColor CellColour(int row, int column) const;
    // The rows of records that hold no draw of the game, ascending.
    const std::vector<int>& InvalidRows() const { return m_invalidRows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_dates;
    std::vector<NumberSet> m_sets; // CountableDrawSets: empty for a record that holds no draw
    std::vector<int> m_invalidRows;
    RunLengths m_runs;
};

// A grid of one of these models: cells of a fixed size, grid lines in the colour of button faces.
// Arrow keys move inside it, Tab leaves it.
class PatternGrid : public QTableView {
    Q_OBJECT

public:
    PatternGrid(QAbstractItemModel* model, int cellWidth, int cellHeight, QWidget* parent = nullptr);

    // Joins the number cells (columns 1 to numberColumns) of each of rows into one, so that the text of
    // column 1 ("ungültige Ziehung") shows whole.
    void JoinNumberCells(const std::vector<int>& rows, int numberColumns);
};

QColor ColourOf(std::uint32_t rgb);

// The line under a view's grid that says how many records hold no draw of the game (InvalidDrawsNote);
// hidden when there are none.
QLabel* InvalidDrawsLabel(const std::vector<int>& invalidRows, QWidget* parent);

// The width a grid needs to show all its columns and its vertical scroll bar.
int GridWidth(const QTableView& grid);

} // namespace qv
