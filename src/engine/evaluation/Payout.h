#pragma once

#include <array>
#include <cstdint>

namespace qv {

// What a tip field wins: PayoutRates[type][hits] is the win per euro of stake for Keno type 2 to 10
// and 0 to type hits, in single precision (every rate is exact there).
inline constexpr int kPrizeClasses = 12;

// The win of one field in one draw: stake in euros times the rate, in single precision; 0 for a Keno
// type outside 2 to 10 and for a hit count outside 0 to the type.
float WinFor(int kenoType, int hits, int stakeEuros);

// The payout rate itself (0 outside the table).
float PayoutRate(int kenoType, int hits);

// Prize class 1 to 12 of a (Keno type, hits) pair; 0 = no class.
int PrizeClassOf(int kenoType, int hits);

// Class colours as stored (0x00BBGGRR), index 1 to 12; index 0 is unused.
extern const std::array<std::uint32_t, kPrizeClasses + 1> PrizeClassColors;
extern const std::array<std::uint32_t, kPrizeClasses + 1> PrizeClassFontColors;

} // namespace qv
