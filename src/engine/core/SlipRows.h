#pragma once

#include "engine/core/Records.h"

#include <optional>
#include <vector>

namespace qv {

// One tip row of a slip as the print list and the slip views show it: one per non-empty field.
struct SlipRow {
    int rowNumber = 0;             // running number over the rows listed so far, from 1
    int field = 0;                 // field 1 to 8 of the slip
    int kenoType = 0;              // the field's count as stored
    std::optional<int> drawCount;  // consecutive draws; nothing for an index outside the table
    std::optional<int> stakeEuros; // stake per tip; nothing for an index outside the table
    std::vector<int> numbers;      // the field's numbers in stored order (at most ten)
};

// The rows of slip, numbered on from rowsSoFar.
std::vector<SlipRow> SlipRows(const TSchein& slip, int rowsSoFar = 0);

} // namespace qv
