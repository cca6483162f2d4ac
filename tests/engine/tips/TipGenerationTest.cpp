#include "engine/tips/TipGeneration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <numeric>
#include <random>
#include <set>

namespace qv {
namespace {

TGewZahlen DrawOf(std::initializer_list<int> numbers) {
    TGewZahlen draw;
    draw.datum = 45000;
    std::size_t p = 0;
    for (int n : numbers) {
        draw.GZ[p++] = static_cast<std::uint8_t>(n);
    }
    return draw;
}

// A picker that gives the scripted positions first, then those of a seeded generator.
struct ScriptedPicker {
    std::deque<int> script;
    std::mt19937 generator{7};
    int operator()(int n) {
        if (!script.empty()) {
            const int value = script.front();
            script.pop_front();
            return value;
        }
        return std::uniform_int_distribution<int>(0, n - 1)(generator);
    }
};

// Counts that make both rankings differ from the plain order of the numbers: n is drawn (n * 7) mod 13
// times.
NumberRankings MixedRankings() {
    PeriodCounts counts{};
    for (int n = 1; n <= 70; ++n) {
        counts[static_cast<std::size_t>(n)] = (n * 7) % 13;
    }
    return RankNumbers(counts);
}

TEST(TipGeneration, CountsPositionsOneToTwentyOfTheDrawsThatHoldADraw) {
    TGewZahlen low = DrawOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
    low.GZ[20] = 5; // the reserved positions 21 to 24 are no part of the draw
    const TGewZahlen high = DrawOf({51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70});
    const TGewZahlen odd = DrawOf({1, 2, 0, 71, 255, 70}); // no draw of the game: left out
    const std::vector<TGewZahlen> draws = {low, odd, high, low};

    const PeriodCounts all = CountPeriodNumbers(draws, 0, 3);
    EXPECT_EQ(all[1], 2);
    EXPECT_EQ(all[5], 2);
    EXPECT_EQ(all[21], 0);
    EXPECT_EQ(all[70], 1);
    EXPECT_EQ(std::accumulate(all.begin(), all.end(), 0), 60);

    const PeriodCounts last = CountPeriodNumbers(draws, 1, 2);
    EXPECT_EQ(last[1], 0);
    EXPECT_EQ(last[70], 1);
}

TEST(TipGeneration, OneDrawPutsTheDrawnNumbersFirstAscendingAndTheOthersAfterThem) {
    std::vector<int> drawn;
    for (int n = 5; n <= 62; n += 3) {
        drawn.push_back(n); // 20 numbers: 5, 8, ..., 62
    }
    TGewZahlen draw;
    std::copy(drawn.begin(), drawn.end(), draw.GZ.begin());
    const std::vector<TGewZahlen> draws = {draw};

    const NumberRankings rankings = RankNumbers(CountPeriodNumbers(draws, 0, 0));

    std::vector<int> expected = drawn;
    for (int n = 1; n <= 70; ++n) {
        if (std::find(drawn.begin(), drawn.end(), n) == drawn.end()) {
            expected.push_back(n);
        }
    }
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), rankings.favourites.begin()));
    EXPECT_TRUE(std::equal(expected.rbegin(), expected.rend(), rankings.restants.begin()));
    EXPECT_EQ(rankings.restants[0], 70);
    EXPECT_EQ(rankings.restants[1], 69);
}

TEST(TipGeneration, EqualCountsRankInTheOrderOfTheNumbers) {
    PeriodCounts counts{};
    counts.fill(4);
    const NumberRankings rankings = RankNumbers(counts);
    for (int i = 0; i < 70; ++i) {
        EXPECT_EQ(rankings.favourites[static_cast<std::size_t>(i)], i + 1);
        EXPECT_EQ(rankings.restants[static_cast<std::size_t>(i)], 70 - i);
    }
}

TEST(TipGeneration, FixedNumbersAndPoolsFollowTheKenoType) {
    struct Case {
        int k;
        int fixed;     // methods 0 and 1: ranking positions 1 to fixed
        int poolLast;  // methods 0 and 1: pool positions fixed+1 to poolLast
        int picks;     // methods 0 and 1
        int mixedPool; // method 2: h favourites + h laggards
    };
    const Case cases[] = {{2, 1, 12, 1, 12}, {3, 1, 13, 2, 18}, {4, 2, 14, 2, 16}, {5, 2, 15, 3, 20}, {6, 3, 16, 3, 24},
                          {7, 3, 17, 4, 28}, {8, 4, 18, 4, 32}, {9, 4, 19, 5, 36}, {10, 5, 20, 5, 40}};
    const NumberRankings r = MixedRankings();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        for (const TipMethod method : {TipMethod::Restanten, TipMethod::Favoriten}) {
            const auto& ranking = method == TipMethod::Restanten ? r.restants : r.favourites;
            const RowPlan plan = PlanRow(c.k, method, r);
            EXPECT_EQ(plan.fixed, std::vector<int>(ranking.begin(), ranking.begin() + c.fixed));
            EXPECT_EQ(plan.pool, std::vector<int>(ranking.begin() + c.fixed, ranking.begin() + c.poolLast));
            EXPECT_EQ(plan.picks, c.picks);
        }
        const RowPlan mixed = PlanRow(c.k, TipMethod::Beide, r);
        const int h = c.mixedPool / 2;
        std::vector<int> pool(r.favourites.begin(), r.favourites.begin() + h);
        pool.insert(pool.end(), r.restants.begin(), r.restants.begin() + h);
        EXPECT_EQ(mixed.pool, pool);
        EXPECT_TRUE(mixed.fixed.empty());
        EXPECT_EQ(mixed.picks, c.k);
        EXPECT_EQ(std::set<int>(pool.begin(), pool.end()).size(), pool.size()) << "the pool repeats a number";

        const RowPlan random = PlanRow(c.k, TipMethod::Zufall, r);
        EXPECT_EQ(random.pool.size(), 70u);
        EXPECT_EQ(random.picks, c.k);
    }
}

TEST(TipGeneration, EveryRowIsAscendingWithoutRepeatsAndDrawnFromItsPlan) {
    const NumberRankings r = MixedRankings();
    ScriptedPicker picker;
    for (int method = 0; method < kTipMethodCount; ++method) {
        for (int k = 2; k <= 10; ++k) {
            const RowPlan plan = PlanRow(k, TipMethod(method), r);
            for (int run = 0; run < 50; ++run) {
                const std::vector<int> row = GenerateRow(k, TipMethod(method), r, std::ref(picker));
                ASSERT_EQ(static_cast<int>(row.size()), k);
                ASSERT_TRUE(std::is_sorted(row.begin(), row.end()));
                ASSERT_EQ(std::set<int>(row.begin(), row.end()).size(), row.size());
                for (int n : plan.fixed) {
                    ASSERT_NE(std::find(row.begin(), row.end(), n), row.end()) << "fixed number missing";
                }
                for (int n : row) {
                    const bool planned = std::find(plan.fixed.begin(), plan.fixed.end(), n) != plan.fixed.end() ||
                                         std::find(plan.pool.begin(), plan.pool.end(), n) != plan.pool.end();
                    ASSERT_TRUE(planned) << n << " lies outside the plan of method " << method << ", type " << k;
                }
            }
        }
    }
}

TEST(TipGeneration, PicksReachTheEndsOfTheirPools) {
    const NumberRankings r = MixedRankings();

    // Method 3: positions 69 and 0 are the numbers 70 and 1.
    ScriptedPicker ends{{69, 0}};
    EXPECT_EQ(GenerateRow(2, TipMethod::Zufall, r, std::ref(ends)), (std::vector<int>{1, 70}));

    // Method 2 with Keno type 4: the pool's last position is the eighth laggard.
    ScriptedPicker last{{15, 0, 1, 2}};
    const std::vector<int> row = GenerateRow(4, TipMethod::Beide, r, std::ref(last));
    EXPECT_NE(std::find(row.begin(), row.end(), r.restants[7]), row.end());

    // Method 1 with Keno type 2: the favourite and one of positions 2 to 12.
    ScriptedPicker eleventh{{10}};
    std::vector<int> expected = {r.favourites[0], r.favourites[11]};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(GenerateRow(2, TipMethod::Favoriten, r, std::ref(eleventh)), expected);
}

TEST(TipGeneration, ATakenPositionIsDrawnAgain) {
    const NumberRankings r = MixedRankings();
    // Type 10 by method 0: laggards 1 to 5 fixed, five picks of positions 6 to 20; position 3 of the
    // pool comes up three times but is taken once.
    ScriptedPicker picker{{3, 3, 3, 0, 14, 0, 7, 1}};
    const std::vector<int> row = GenerateRow(10, TipMethod::Restanten, r, std::ref(picker));
    std::vector<int> expected(r.restants.begin(), r.restants.begin() + 5);
    for (int position : {3, 0, 14, 7, 1}) {
        expected.push_back(r.restants[static_cast<std::size_t>(5 + position)]);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(row, expected);
}

TEST(TipGeneration, ASourceThatRepeatsItselfStillGivesAFullRow) {
    const NumberRankings r = MixedRankings();
    const std::vector<int> row = GenerateRow(10, TipMethod::Zufall, r, [](int) { return 0; });
    EXPECT_EQ(row, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

} // namespace
} // namespace qv
