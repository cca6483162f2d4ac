#pragma once

#include "engine/tips/TipRowText.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The cells of one row of a tip-row grid (TipRowCells) are those of the tip-row entry window.

// The rows of a text file of tip rows, one per non-empty line, as the print list takes them. Lines
// are trimmed of blanks and control characters; when the text holds a blank anywhere every blank
// separates, when it holds a ";" every ";" does; "," always separates and so does a run of control characters
// (tabs). The items of ",,," + line fill the cells from column 0 on: columns 0 to 2 get a single
// blank, the numbers follow from column 3, an empty item (two separators in a row) is a single blank
// and items beyond column 12 are dropped. A double quote opens an item that runs to the next one.
// bytes is UTF-8 (a byte-order mark is skipped) or, when it is not valid UTF-8, Windows-1252.
std::vector<TipRowCells> ParseTipRowText(std::string_view bytes);

} // namespace qv
