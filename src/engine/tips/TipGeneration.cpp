#include "engine/tips/TipGeneration.h"

#include "engine/analysis/DrawStatistics.h"
#include "engine/core/GameTables.h"

#include <algorithm>
#include <numeric>

namespace qv {

PeriodCounts CountPeriodNumbers(std::span<const TGewZahlen> draws, int first, int last) {
    const NumberCounts frequencies = CountFrequencies(draws, first, last);
    PeriodCounts counts{};
    std::copy(frequencies.begin(), frequencies.end(), counts.begin() + 1);
    return counts;
}

NumberRankings RankNumbers(const PeriodCounts& counts) {
    NumberRankings rankings;
    std::iota(rankings.favourites.begin(), rankings.favourites.end(), 1);
    std::stable_sort(rankings.favourites.begin(), rankings.favourites.end(), [&](int a, int b) {
        return counts[static_cast<std::size_t>(a)] > counts[static_cast<std::size_t>(b)];
    });
    std::reverse_copy(rankings.favourites.begin(), rankings.favourites.end(), rankings.restants.begin());
    return rankings;
}

RowPlan PlanRow(int kenoType, TipMethod method, const NumberRankings& rankings) {
    const int k = std::clamp(kenoType, kMinKenoType, kMaxKenoType);
    RowPlan plan;
    switch (method) {
    case TipMethod::Restanten:
    case TipMethod::Favoriten: {
        // The strongest half of the row is certain; the rest comes from the next ten candidates and
        // as many as are still to be picked.
        const auto& ranking = method == TipMethod::Restanten ? rankings.restants : rankings.favourites;
        const int fixed = k / 2;
        plan.picks = k - fixed;
        plan.fixed.assign(ranking.begin(), ranking.begin() + fixed);
        plan.pool.assign(ranking.begin() + fixed, ranking.begin() + fixed + plan.picks + 10);
        break;
    }
    case TipMethod::Beide: {
        const int h = k <= 3 ? 3 * k : 2 * k;
        plan.picks = k;
        plan.pool.assign(rankings.favourites.begin(), rankings.favourites.begin() + h);
        plan.pool.insert(plan.pool.end(), rankings.restants.begin(), rankings.restants.begin() + h);
        break;
    }
    case TipMethod::Zufall:
        plan.picks = k;
        plan.pool.resize(kNumbersInGame);
        std::iota(plan.pool.begin(), plan.pool.end(), 1);
        break;
    }
    return plan;
}

namespace {

// A position of the pool not taken yet, drawn uniformly: a taken position is drawn again. A source
// that keeps repeating itself must not hang the program, so after many repeats the next free
// position after the drawn one is taken.
int PickFreePosition(const std::vector<bool>& taken, const PickBelow& below) {
    constexpr int kRetries = 1000;
    const int size = static_cast<int>(taken.size());
    int position = 0;
    for (int attempt = 0; attempt < kRetries; ++attempt) {
        position = std::clamp(below(size), 0, size - 1);
        if (!taken[static_cast<std::size_t>(position)]) {
            return position;
        }
    }
    while (taken[static_cast<std::size_t>(position)]) {
        position = (position + 1) % size;
    }
    return position;
}

} // namespace

std::vector<int> GenerateRow(int kenoType, TipMethod method, const NumberRankings& rankings, const PickBelow& below) {
    const RowPlan plan = PlanRow(kenoType, method, rankings);
    std::vector<int> row = plan.fixed;
    std::vector<bool> taken(plan.pool.size(), false);
    for (int i = 0; i < plan.picks; ++i) {
        const int position = PickFreePosition(taken, below);
        taken[static_cast<std::size_t>(position)] = true;
        row.push_back(plan.pool[static_cast<std::size_t>(position)]);
    }
    std::sort(row.begin(), row.end());
    return row;
}

} // namespace qv
