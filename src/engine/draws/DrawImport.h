#pragma once

#include "engine/core/Records.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct ImportProblem {
    int line = 0; // 1-based line of the text
    std::string message;
};

struct DrawImport {
    std::vector<TGewZahlen> draws;       // in the order of the text, numbers in the order of their line
    std::vector<ImportProblem> problems; // every bad line; when there is one, nothing may be written
    std::vector<ImportProblem> skipped;  // lines passed over on purpose (a heading), for the report
};

// Reads a delimited draw history: one draw a line, a date (ISO "2004-02-02" or German "02.02.2004")
// and 20 numbers, separated by semicolons, commas, tabs or blanks. A first line that starts with a
// word (not a digit) is a heading and skipped, which skipped reports; empty lines are skipped. A line is bad when
// it does not hold 20 numbers, a number lies outside 1 to 70 or stands twice, the date is not a
// calendar date, or the date is not after the date of the line before.
DrawImport ParseDrawHistory(std::string_view text);

} // namespace qv
