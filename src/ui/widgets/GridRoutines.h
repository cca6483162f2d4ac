#pragma once

#include <QFont>
#include <QString>

#include "engine/core/Records.h"

#include <filesystem>
#include <optional>

namespace qv {

class StringGrid;

// The width of text drawn in font, in pixels.
int TextWidthIn(const QFont& font, const QString& text);

// text with the leading blanks that centre it in 80 (70) percent of a column of the grid's font.
QString CenterPad80(const QString& text, int columnWidth, const QWidget& grid);
QString CenterPad70(const QString& text, int columnWidth, const QWidget& grid);

// Headings of a grid of draws: "Datum" in a column of 66 pixels, then the positions "1" to "20".
void SetDrawGridHeadings(StringGrid& grid);

// Headings of a grid of tip rows: "Feld", "Zieh.", "  €", then the positions "1" to "10".
void SetTipRowHeadings(StringGrid& grid);

// Appends the tip rows of a slip file's slip (LoadSlip) to a tip-row grid that already lists rowsSoFar
// rows (an empty list when rowsSoFar is 0) and returns the new count of rows. Returns 0 and leaves the
// grid alone when there was no file (no slip).
int LoadSlipRows(StringGrid& grid, const std::optional<TSchein>& slip, int rowsSoFar);

} // namespace qv
