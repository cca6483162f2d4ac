#include "engine/evaluation/Odds.h"

#include "engine/core/Binomial.h"
#include "engine/core/GameTables.h"
#include "engine/evaluation/Payout.h"

#include <stdexcept>

namespace qv {
namespace {

// (n over k) for the small arguments of one field, 0 outside 0 <= k <= n. Every one of them fits
// into 64 bits: the largest, 70 over 10, is below 2^39.
std::uint64_t Ways(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    const std::optional<std::uint64_t> ways = Binomial(n, k);
    return ways ? *ways : 0;
}

int StakeOf(const TSchein& slip) {
    return StakeEurosAt(slip.einsatz).value_or(0);
}

} // namespace

KenoTypeOdds OddsOf(int kenoType) {
    if (kenoType < 0 || kenoType > kMaxKenoType) {
        throw std::invalid_argument("OddsOf: a field has 0 to 10 numbers");
    }
    constexpr int misses = kNumbersInGame - kNumbersPerDraw;
    KenoTypeOdds odds;
    odds.kenoType = kenoType;
    odds.outcomes = Ways(kNumbersInGame, kenoType);
    const auto outcomes = static_cast<double>(odds.outcomes);
    for (int h = 0; h <= kenoType; ++h) {
        HitOdds hit;
        hit.hits = h;
        hit.ways = Ways(kNumbersPerDraw, h) * Ways(misses, kenoType - h);
        hit.probability = static_cast<double>(hit.ways) / outcomes;
        hit.rate = PayoutRate(kenoType, h);
        if (hit.rate > 0) {
            odds.winChance += hit.probability;
            odds.expectedPayout += hit.probability * static_cast<double>(hit.rate);
        }
        odds.hits.push_back(hit);
    }
    return odds;
}

SlipExpectation ExpectationOf(const TSchein& slip) {
    SlipExpectation expectation;
    const int stake = StakeOf(slip);
    for (int f = 0; f < TSchein::kFields; ++f) {
        if (!slip.FieldUsed(f)) {
            continue;
        }
        expectation.stakePerDraw += stake;
        // The hits come from the numbers the field holds, the win from the Keno type it is stored
        // with, as in the evaluation.
        const int size = slip.FieldSet(f).Count();
        const int kenoType = slip.kenotyp[f];
        for (const HitOdds& hit : OddsOf(size).hits) {
            expectation.expectedPayoutPerDraw +=
                hit.probability * static_cast<double>(WinFor(kenoType, hit.hits, stake));
        }
    }
    return expectation;
}

} // namespace qv
