#include "engine/systems/WheelFigures.h"

#include "engine/core/GameTables.h"
#include "engine/evaluation/Odds.h"
#include "engine/evaluation/Payout.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <random>
#include <unordered_map>

namespace qv {
namespace {

// The rates of the type in half euros per euro of stake (6.5 is the only rate with a half).
std::vector<std::int64_t> HalfRates(int kenoType) {
    std::vector<std::int64_t> rates(static_cast<std::size_t>(kMaxKenoType + 1), 0);
    for (int h = 0; h <= kenoType; ++h) {
        rates[static_cast<std::size_t>(h)] = std::llround(2.0 * static_cast<double>(PayoutRate(kenoType, h)));
    }
    return rates;
}

struct Tally {
    std::unordered_map<std::int64_t, WideCount> weightByPayout; // payout in half euros per stake euro
    WideCount anyWin = 0;
    WideCount guarantee = 0;
    WideCount total = 0;
};

double Ratio(WideCount part, WideCount whole) {
    return static_cast<double>(part) / static_cast<double>(whole);
}

// For each position of the pool, the rows that hold it.
std::vector<std::vector<std::size_t>> RowsOfPositions(int n, const std::vector<RowMask>& rows) {
    std::vector<std::vector<std::size_t>> rowsOf(static_cast<std::size_t>(n));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int i = 0; i < n; ++i) {
            if ((rows[r] >> static_cast<unsigned>(i) & 1U) != 0) {
                rowsOf[static_cast<std::size_t>(i)].push_back(r);
            }
        }
    }
    return rowsOf;
}

// The hits of every row and what they pay while the Gray-code walk adds and removes pool numbers.
struct WalkState {
    std::vector<int> rowHits;
    std::int64_t payout = 0;
    int rowsAtGuarantee = 0;
    int drawn = 0;
    std::uint64_t current = 0;
    std::int64_t lastPayout = -1;
    WideCount* lastSlot = nullptr;
};

void CountSubset(WalkState& state, WideCount weight, Tally& tally) {
    if (state.payout != state.lastPayout) {
        state.lastSlot = &tally.weightByPayout[state.payout];
        state.lastPayout = state.payout;
    }
    *state.lastSlot += weight;
    tally.total += weight;
    if (state.payout > 0) {
        tally.anyWin += weight;
    }
    if (state.rowsAtGuarantee > 0) {
        tally.guarantee += weight;
    }
}

// Adds or removes the pool number at position, changing the hits of the rows that hold it.
void FlipPosition(WalkState& state, int position, const std::vector<std::size_t>& rowsWithIt,
                  const std::vector<std::int64_t>& rate, int hits) {
    const std::uint64_t bit = std::uint64_t{1} << static_cast<unsigned>(position);
    const int change = (state.current & bit) == 0 ? 1 : -1;
    state.current ^= bit;
    state.drawn += change;
    for (std::size_t r : rowsWithIt) {
        int& h = state.rowHits[r];
        const bool wasAt = h >= hits;
        state.payout -= rate[static_cast<std::size_t>(h)];
        h += change;
        state.payout += rate[static_cast<std::size_t>(h)];
        state.rowsAtGuarantee += (h >= hits ? 1 : 0) - (wasAt ? 1 : 0);
    }
}

// Every subset of the pool in Gray-code order: one position changes per step, and with it the hits of
// the rows that hold it. A subset of s numbers is what the draw holds of the pool in
// (70 - n over 20 - s) of the draws.
bool TallyExact(int n, const std::vector<RowMask>& rows, int kenoType, int hits, Tally& tally,
                const std::atomic<bool>* cancel) {
    const std::vector<std::int64_t> rate = HalfRates(kenoType);
    const std::vector<std::vector<std::size_t>> rowsOf = RowsOfPositions(n, rows);
    std::vector<std::uint64_t> weight(static_cast<std::size_t>(n + 1), 0);
    for (int s = 0; s <= n; ++s) {
        weight[static_cast<std::size_t>(s)] = WheelBinomial(kNumbersInGame - n, kNumbersPerDraw - s);
    }
    WalkState state;
    state.rowHits.assign(rows.size(), 0);
    // No hits at all: types 7 to 10 pay for zero hits.
    state.payout = static_cast<std::int64_t>(rows.size()) * rate[0];
    state.rowsAtGuarantee = hits <= 0 ? static_cast<int>(rows.size()) : 0;
    const std::uint64_t subsets = std::uint64_t{1} << static_cast<unsigned>(n);
    for (std::uint64_t g = 0;; ++g) {
        if (state.drawn <= kNumbersPerDraw) {
            CountSubset(state, weight[static_cast<std::size_t>(state.drawn)], tally);
        }
        if (g + 1 == subsets) {
            return true;
        }
        if ((g & 0xFFFFU) == 0 && cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            return false;
        }
        // Gray code: step g + 1 flips the position of the lowest set bit of g + 1.
        const int position = std::countr_zero(g + 1);
        FlipPosition(state, position, rowsOf[static_cast<std::size_t>(position)], rate, hits);
    }
}

// Random draws of 20 from 70: how many of them fall into each payout, with equal weights.
bool TallySimulated(const std::vector<int>& sortedPool, const std::vector<RowMask>& rows, int kenoType, int hits,
                    std::uint64_t seed, std::uint64_t samples, Tally& tally, const std::atomic<bool>* cancel) {
    const std::vector<std::int64_t> rate = HalfRates(kenoType);
    std::array<RowMask, kNumbersInGame + 1> bitOf{};
    for (std::size_t i = 0; i < sortedPool.size(); ++i) {
        bitOf[static_cast<std::size_t>(sortedPool[i])] = RowMask{1} << static_cast<unsigned>(i);
    }
    std::mt19937_64 generator(seed);
    std::array<int, kNumbersInGame> numbers{};
    for (int i = 0; i < kNumbersInGame; ++i) {
        numbers[static_cast<std::size_t>(i)] = i + 1;
    }
    for (std::uint64_t d = 0; d < samples; ++d) {
        if ((d & 0x3FFFU) == 0 && cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            return false;
        }
        RowMask drawn = 0;
        for (int i = 0; i < kNumbersPerDraw; ++i) {
            const auto j = static_cast<std::size_t>(i) +
                           static_cast<std::size_t>(generator() % static_cast<std::uint64_t>(kNumbersInGame - i));
            std::swap(numbers[static_cast<std::size_t>(i)], numbers[j]);
            drawn |= bitOf[static_cast<std::size_t>(numbers[static_cast<std::size_t>(i)])];
        }
        std::int64_t payout = 0;
        bool atGuarantee = false;
        for (RowMask row : rows) {
            const int h = std::popcount(row & drawn);
            payout += rate[static_cast<std::size_t>(h)];
            atGuarantee = atGuarantee || h >= hits;
        }
        tally.weightByPayout[payout] += 1;
        tally.total += 1;
        tally.anyWin += payout > 0 ? 1 : 0;
        tally.guarantee += atGuarantee ? 1 : 0;
    }
    return true;
}

} // namespace

WheelFigures FiguresOf(const std::vector<int>& sortedPool, const std::vector<RowMask>& rows, int kenoType, int ifDrawn,
                       int hits, int stake, int draws, std::uint64_t seed, const std::atomic<bool>* cancel) {
    WheelFigures figures;
    const int n = static_cast<int>(sortedPool.size());
    figures.rows = static_cast<int>(rows.size());
    figures.stake = stake;
    figures.draws = draws;
    figures.costPerDraw = static_cast<double>(figures.rows) * stake;
    figures.costForDraws = figures.costPerDraw * draws;
    figures.guaranteePrize = static_cast<double>(WinFor(kenoType, hits, stake));
    figures.returnPerEuro = OddsOf(kenoType).expectedPayout;
    const std::uint64_t allDraws = WheelBinomial(kNumbersInGame, kNumbersPerDraw);
    WideCount condition = 0;
    for (int s = ifDrawn; s <= std::min(n, kNumbersPerDraw); ++s) {
        condition +=
            static_cast<WideCount>(WheelBinomial(n, s)) * WheelBinomial(kNumbersInGame - n, kNumbersPerDraw - s);
    }
    figures.conditionChance = Ratio(condition, allDraws);

    Tally tally;
    figures.exact = n <= kMaxExactPool;
    const std::uint64_t samples = std::clamp<std::uint64_t>(kSimulatedRowDraws / std::max<std::size_t>(rows.size(), 1),
                                                            kFewestSimulatedDraws, kSimulatedDraws);
    const bool done = figures.exact ? TallyExact(n, rows, kenoType, hits, tally, cancel)
                                    : TallySimulated(sortedPool, rows, kenoType, hits, seed, samples, tally, cancel);
    if (!done) {
        figures.cancelled = true;
        return figures;
    }
    figures.simulatedDraws = figures.exact ? 0 : samples;
    std::map<std::int64_t, WideCount> ordered(tally.weightByPayout.begin(), tally.weightByPayout.end());
    WideCount halfEuroWeight = 0;
    double mean = 0;
    for (const auto& [halfEuros, weight] : ordered) {
        const double payout = static_cast<double>(halfEuros) * stake / 2.0;
        const double probability = Ratio(weight, tally.total);
        figures.distribution.push_back({payout, probability});
        halfEuroWeight += static_cast<WideCount>(halfEuros) * weight;
        mean += payout * probability;
    }
    double variance = 0;
    for (const PayoutChance& chance : figures.distribution) {
        variance += (chance.payout - mean) * (chance.payout - mean) * chance.probability;
    }
    figures.expectedHalfEuroWeight = halfEuroWeight * static_cast<WideCount>(stake);
    figures.expectedPayout =
        static_cast<double>(figures.expectedHalfEuroWeight) / 2.0 / static_cast<double>(tally.total);
    figures.standardDeviation = std::sqrt(variance);
    if (!figures.exact) {
        figures.standardError = figures.standardDeviation / std::sqrt(static_cast<double>(tally.total));
    }
    figures.anyWinChance = Ratio(tally.anyWin, tally.total);
    figures.guaranteeChance = Ratio(tally.guarantee, tally.total);
    return figures;
}

} // namespace qv
