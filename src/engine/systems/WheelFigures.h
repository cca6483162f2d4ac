#pragma once

#include "engine/systems/WheelRequest.h"
#include "engine/systems/WideCount.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace qv {

// Up to this pool size the payout distribution is exact: every subset of the pool that can be drawn,
// weighted by the draws of 20 from 70 that hold exactly it. Larger pools are simulated: a million draws,
// fewer for systems of more than 200 rows (at least 100,000), so that a large system is priced in seconds.
inline constexpr int kMaxExactPool = 24;
inline constexpr std::uint64_t kSimulatedDraws = 1'000'000;
inline constexpr std::uint64_t kFewestSimulatedDraws = 100'000;
inline constexpr std::uint64_t kSimulatedRowDraws = 200'000'000;

// The German sentence shown with every system.
inline constexpr const char* kWheelHonesty =
    "Ein System verteilt denselben erwarteten Verlust auf mehr Reihen; an der Gewinnchance je eingesetztem Euro "
    "ändert es nichts.";

struct PayoutChance {
    double payout = 0; // euros in one draw, all rows together
    double probability = 0;
};

struct WheelFigures {
    int rows = 0;
    int stake = 0; // euros per row and draw
    int draws = 0; // draws played
    double costPerDraw = 0;
    double costForDraws = 0;
    double conditionChance = 0; // at least ifDrawn of the 20 drawn numbers are in the pool, exact
    double guaranteePrize = 0;  // what one row with hits hits pays (stake times rate)
    bool exact = false;         // the distribution is exact; otherwise simulated
    std::uint64_t simulatedDraws = 0;
    std::vector<PayoutChance> distribution; // ascending payout
    double anyWinChance = 0;                // the system pays something
    double guaranteeChance = 0;             // some row has at least hits hits
    double expectedPayout = 0;              // per draw
    double standardDeviation = 0;
    double standardError = 0; // of the expected payout; 0 when exact
    double returnPerEuro = 0; // the Keno type's expected payout per euro ("Gewinnchancen")
    // The exact expected payout per draw (exact only): this many half euros times draws, over the
    // (70 over 20) draws.
    WideCount expectedHalfEuroWeight = 0;
    bool cancelled = false;

    double ExpectedPayoutForDraws() const { return expectedPayout * draws; }
    double ExpectedLossForDraws() const { return costForDraws - ExpectedPayoutForDraws(); }
};

// The figures of a system of rows (masks over the sorted pool) of one Keno type under the program's
// payout table, played with stake euros a row for draws draws. The simulation (pools above 24 numbers)
// draws with a generator seeded by seed. A cancelled computation says so and holds no distribution.
WheelFigures FiguresOf(const std::vector<int>& sortedPool, const std::vector<RowMask>& rows, int kenoType, int ifDrawn,
                       int hits, int stake, int draws, std::uint64_t seed = 1,
                       const std::atomic<bool>* cancel = nullptr);

} // namespace qv
