#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qv {

// The seven frequency classes of the tip centre's number panels. A number drawn k times in a period
// of N draws is compared with the count expected by chance, 20N/70, in steps of the binomial standard
// deviation s = sqrt(20N * 69/4900): class 0 lies above e + 3s, class 6 below e - 3s.
//
// bounds[0] to bounds[6] are B0 to B6: the class of a count is the first k with count >= Bk, and B6
// is always -1, so every count has a class. Short periods round several bounds onto one another;
// they are then moved apart in a fixed order, which for one draw gives 2, 1, 2, 0, 0, 0, -1
// (the drawn numbers fall into class 1, the others into class 3).
using FrequencyBounds = std::array<int, 7>;
FrequencyBounds FrequencyBandBounds(int drawCount);

// 0 to 6.
int FrequencyClass(int count, const FrequencyBounds& bounds);

// Legend text k (0 to 6) names the counts of class k: "> B0", "B1 - B0", ..., "< B5", or "irrelevant".
std::array<std::string, 7> FrequencyLegend(const FrequencyBounds& bounds);

// The colours of the deviation classes as 0xRRGGBB: background and text.
struct ClassColours {
    std::uint32_t background;
    std::uint32_t text;
};
inline constexpr std::array<ClassColours, 7> DeviationClassColours = {{
    {0x004080, 0xFFFFFF},
    {0x6161B6, 0xFFFFFF},
    {0xCACAE6, 0x000000},
    {0x9BFF9B, 0x000000},
    {0xFF8484, 0x000000},
    {0xFF0000, 0xFFFFFF},
    {0x800000, 0xFFFFFF},
}};

} // namespace qv
