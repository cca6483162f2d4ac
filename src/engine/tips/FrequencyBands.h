#pragma once

#include "engine/analysis/DrawStatistics.h"

#include <array>
#include <string>

namespace qv {

// The seven frequency classes of the tip centre's number panels: the deviation classes of the draw
// statistics (class k here is class k + 1 there, with its colours), with bounds moved apart where a
// short period rounds two of them onto one another.
//
// bounds[0] to bounds[6] are B0 to B6: the class of a count is the first k with count >= Bk, and B6
// is always -1, so every count has a class. After the statistics' bounds, in this order: B4 is raised
// when it equals a positive B5, B3 when it equals a positive B4, B0 is lowered when it equals B1 and
// B2 is raised when it equals B1. For one draw this gives 2, 1, 2, 0, 0, 0, -1: the drawn numbers fall
// into class 1, the others into class 3.
using FrequencyBounds = ClassThresholds;
FrequencyBounds FrequencyBandBounds(int drawCount);

// 0 to 6.
int FrequencyClass(int count, const FrequencyBounds& bounds);

// Legend text k (0 to 6) names the counts of class k: "> B0", "B1 - B0", ..., "< B5", or "irrelevant".
std::array<std::string, 7> FrequencyLegend(const FrequencyBounds& bounds);

// The background and text colours of class k (0 to 6) as 0xRRGGBB.
constexpr ClassColours FrequencyClassColours(int frequencyClass) {
    return ColoursOfClass(frequencyClass + 1);
}

} // namespace qv
