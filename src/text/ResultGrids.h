#pragma once

#include "engine/core/Records.h"
#include "engine/evaluation/Evaluation.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <vector>

namespace qv {

// The texts of the slip grid G1 and the result grid GA1, ready for the frames to show. Centring
// blanks (they depend on the grid's font) and colours are the frames' part; which cell is coloured
// how is decided here.

// Result grid: "Datum", "Feld", "Keno-Typ", "Treffer", "Gewinn", "Gesamtgewinn".
inline constexpr int kResultColumns = 6;
inline constexpr std::array<int, kResultColumns> kResultColumnWidths = {70, 40, 64, 52, 84, 86};
const QStringList& ResultGridHeadings();

// The title of an evaluation, from the texts of the chosen from and to entries.
QString EvaluationTitle(bool singleDraw, const QString& fromText, const QString& toText);

// A win as the column "Gewinn" shows it: "--" for 0, else the amount with two decimals.
QString WinText(float win, const QLocale& locale);

// The prize class whose colours the "Gewinn" cell takes: the class of (Keno type, hits) when the cell
// shows a positive amount, else 0 (normal background).
int WinCellClass(const QString& winText, int kenoType, int hits, const QLocale& locale);

struct ResultGridRow {
    std::array<QString, kResultColumns> cells; // the date only on the first row of a draw's block
    int prizeClass = 0;                        // WinCellClass of the row
};

// The data rows of a result grid (row 1 onwards), built in one pass. draws is DrawList.
std::vector<ResultGridRow> ResultGridRows(std::span<const ResultRow> rows, std::span<const TGewZahlen> draws,
                                          const QLocale& locale);

// Slip grid: "Einsatz", "Keno-Typ", "1" to "10"; column 0 is 80 pixels wide, column 1 60, the others 25.
inline constexpr int kSlipColumns = 12;
inline constexpr std::array<int, kSlipColumns> kSlipColumnWidths = {80, 60, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25};
const QStringList& SlipGridHeadings();

// The stake as the slip grid shows it: "2 €"; "? €" for a stake index outside the table.
QString StakeText(const TSchein& slip);

struct SlipGridRow {
    std::array<QString, kSlipColumns> cells; // stake, Keno type, the numbers (empty beyond the count)
    std::array<int, 10> numbers{};           // the numbers of columns 2 to 11, 0 where empty
};

// One row per non-empty field in field order (the first filled field is row 1).
std::vector<SlipGridRow> SlipGridRows(const TSchein& slip);

} // namespace qv
