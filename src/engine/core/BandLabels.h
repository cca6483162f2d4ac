#pragma once

#include <array>
#include <string>

namespace qv {

// The labels of the seven statistical bands for the thresholds T1 > T2 > ... > T6:
// "> T1", "T2 - T1", "T3 - (T2-1)", ..., "< T6". A band that reaches zero or below is "irrelevant"
// (only the lower three bands can be).
std::array<std::string, 7> BandLabels(const std::array<int, 6>& thresholds);

} // namespace qv
