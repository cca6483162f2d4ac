#pragma once

#include "engine/core/Records.h"

#include <cstdint>
#include <vector>

namespace qv {

// The odds of the game: 20 of 70 numbers are drawn, so a field of k numbers has h hits in
// (20 over h) * (50 over k-h) of the (70 over k) equally likely ways (hypergeometric). Counts are
// exact integers; only the quotients are floating point.

// A month of play: one draw a day, 30 days.
inline constexpr int kDrawsPerMonth = 30;

struct HitOdds {
    int hits = 0;
    std::uint64_t ways = 0; // draws of 20 with this many hits, as a count of the field's outcomes
    double probability = 0; // ways / (70 over k)
    float rate = 0;         // payout per euro of stake for these hits
};

struct KenoTypeOdds {
    int kenoType = 0;
    std::uint64_t outcomes = 0; // 70 over k
    std::vector<HitOdds> hits;  // 0 to kenoType hits
    double winChance = 0;       // the chance that the field wins anything
    double expectedPayout = 0;  // what one euro of stake pays back on average
};

// The odds of a field of kenoType numbers (2 to 10) under the program's payout table; a field of
// another size has its hit probabilities and no payout. Refuses a size outside 0 to 10 with
// std::invalid_argument.
KenoTypeOdds OddsOf(int kenoType);

// What one draw of a slip costs and pays back on average: every used field is played with the
// slip's stake (a stake index outside the table counts as 0 euros, as in the evaluation).
struct SlipExpectation {
    double stakePerDraw = 0;
    double expectedPayoutPerDraw = 0;
    double ExpectedLossPerDraw() const { return stakePerDraw - expectedPayoutPerDraw; }
    double StakePerMonth() const { return stakePerDraw * kDrawsPerMonth; }
    double ExpectedPayoutPerMonth() const { return expectedPayoutPerDraw * kDrawsPerMonth; }
    double ExpectedLossPerMonth() const { return ExpectedLossPerDraw() * kDrawsPerMonth; }
};
SlipExpectation ExpectationOf(const TSchein& slip);

} // namespace qv
