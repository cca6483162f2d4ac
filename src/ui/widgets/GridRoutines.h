#pragma once

#include <QFont>
#include <QString>

#include <filesystem>

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

// Appends the tip rows of the slip file at path to a tip-row grid that already lists rowsSoFar rows
// (an empty list when rowsSoFar is 0) and returns the new count of rows. Returns 0 and leaves the grid
// alone when there is no file at path. Throws FileError when the file cannot be read.
int LoadSlipRows(StringGrid& grid, const std::filesystem::path& path, int rowsSoFar);

} // namespace qv
