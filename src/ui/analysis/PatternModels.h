#pragma once

#include "engine/analysis/PatternViews.h"
#include "engine/core/ProgramState.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <vector>

namespace qv {

// The models behind the repeater view and the pattern view. Both are built once from the draws as they
// stand after start-up; a view asks only for the cells it shows, so the whole history scrolls freely.
// Column 0 is the date of the row's draw, headed "Datum".

// Every draw with its 20 numbers ascending; repeaters or numbers of one final digit in lime.
class RepeaterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RepeaterModel(const ProgramState& state, QObject* parent = nullptr);

    // Marks the numbers ending in digit (markFinalDigit) or the repeaters of the previous draw.
    void SetMarking(bool markFinalDigit, int digit);
    // The colour of the number in (row, column 1..20), as the view paints it.
    QColor CellColour(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_dates;
    std::vector<NumberSet> m_sets;
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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_dates;
    RunLengths m_runs;
    std::vector<std::uint8_t> m_repeats;
};

// A grid of one of these models: cells of a fixed size, grid lines in the colour of button faces.
// Arrow keys move inside it, Tab leaves it.
class PatternGrid : public QTableView {
    Q_OBJECT

public:
    PatternGrid(QAbstractItemModel* model, int cellWidth, int cellHeight, QWidget* parent = nullptr);
};

QColor ColourOf(std::uint32_t rgb);

// The width a grid needs to show all its columns and its vertical scroll bar.
int GridWidth(const QTableView& grid);

} // namespace qv
