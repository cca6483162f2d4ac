#include "engine/evaluation/Odds.h"
#include "engine/evaluation/Payout.h"
#include "engine/systems/WheelBounds.h"
#include "engine/systems/WheelDesigns.h"
#include "engine/systems/WheelFigures.h"
#include "engine/systems/WheelProof.h"
#include "engine/systems/WheelSearch.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace qv {
namespace {

RowMask Row(std::initializer_list<int> positions) {
    RowMask mask = 0;
    for (int i : positions) {
        mask |= RowMask{1} << static_cast<unsigned>(i);
    }
    return mask;
}

std::vector<int> FirstNumbers(int n) {
    std::vector<int> pool;
    for (int i = 1; i <= n; ++i) {
        pool.push_back(i * 2); // any numbers of the game; the masks refer to their order
    }
    return pool;
}

// Every p-set of the pool checked one by one: the definition the proof must agree with.
bool EveryPSetMet(const std::vector<RowMask>& rows, int n, int p, int t) {
    for (RowMask set = 0; set < (RowMask{1} << static_cast<unsigned>(n)); ++set) {
        if (std::popcount(set) != p) {
            continue;
        }
        bool met = false;
        for (RowMask row : rows) {
            met = met || std::popcount(row & set) >= t;
        }
        if (!met) {
            return false;
        }
    }
    return true;
}

// The twelve lines of the affine plane of order 3 on the positions 0 to 8: every pair lies in exactly
// one of them, so this is the smallest system of three-number rows with two hits out of two.
const std::vector<RowMask> kAffinePlane = {
    Row({0, 1, 2}), Row({3, 4, 5}), Row({6, 7, 8}), Row({0, 3, 6}), Row({1, 4, 7}), Row({2, 5, 8}),
    Row({0, 4, 8}), Row({1, 5, 6}), Row({2, 3, 7}), Row({0, 5, 7}), Row({1, 3, 8}), Row({2, 4, 6}),
};

TEST(WheelProof, RefutesTheAffinePlaneWithOneLineRemovedAndNamesAPairOfIt) {
    EXPECT_TRUE(ProveWheel(kAffinePlane, 9, 2, 2).holds);
    for (std::size_t removed = 0; removed < kAffinePlane.size(); ++removed) {
        std::vector<RowMask> rows = kAffinePlane;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(removed));
        const WheelProof proof = ProveWheel(rows, 9, 2, 2);
        ASSERT_FALSE(proof.holds) << "line " << removed;
        EXPECT_EQ(std::popcount(proof.uncovered), 2);
        // The only pairs no other line holds are the removed line's own.
        EXPECT_EQ(proof.uncovered & kAffinePlane[removed], proof.uncovered) << "line " << removed;
    }
}

TEST(WheelProof, AgreesWithCheckingEverySetOnRandomSmallWheels) {
    std::mt19937_64 generator(7);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 6 + static_cast<int>(generator() % 5);
        const int k = 2 + static_cast<int>(generator() % 4);
        const int t = 1 + static_cast<int>(generator() % static_cast<unsigned>(k));
        const int p = t + static_cast<int>(generator() % static_cast<unsigned>(n - t + 1));
        std::vector<RowMask> rows(1 + generator() % 8);
        for (RowMask& row : rows) {
            while (std::popcount(row) < k) {
                row |= RowMask{1} << static_cast<unsigned>(generator() % static_cast<unsigned>(n));
            }
        }
        const WheelProof proof = ProveWheel(rows, n, p, t);
        ASSERT_EQ(proof.holds, EveryPSetMet(rows, n, p, t)) << "trial " << trial;
        if (!proof.holds) {
            EXPECT_EQ(std::popcount(proof.uncovered), p);
            for (RowMask row : rows) {
                EXPECT_LT(std::popcount(row & proof.uncovered), t) << "trial " << trial;
            }
        }
    }
}

TEST(WheelBounds, SchoenheimAndCountingBounds) {
    EXPECT_EQ(SchoenheimBound(9, 3, 2), 12u);
    EXPECT_EQ(SchoenheimBound(10, 4, 3), 30u);
    EXPECT_EQ(SchoenheimBound(10, 5, 4), 50u);
    EXPECT_EQ(SchoenheimBound(12, 6, 5), 132u);
    // 10 over 5 = 252 five-sets; a row of five meets 1 + 5 * 5 = 26 of them in four or more.
    EXPECT_EQ(CountingBound(10, 5, 5, 4), 10u);
    EXPECT_EQ(WheelLowerBound(9, 3, 2, 2), 12u);
}

// Every known design holds each set of its strength in exactly one row: it covers them all with
// (points over strength) / (row size over strength) rows.
TEST(KnownDesigns, HoldEverySetOfTheirStrengthInExactlyOneRow) {
    ASSERT_FALSE(KnownDesigns().empty());
    for (const WheelDesign& design : KnownDesigns()) {
        SCOPED_TRACE("S(" + std::to_string(design.strength) + "," + std::to_string(design.rowSize) + "," +
                     std::to_string(design.points) + ")");
        for (RowMask row : design.rows) {
            ASSERT_EQ(std::popcount(row), design.rowSize);
            ASSERT_EQ(row >> static_cast<unsigned>(design.points - 1) >> 1U, 0U);
        }
        EXPECT_EQ(design.rows.size() * WheelBinomial(design.rowSize, design.strength),
                  WheelBinomial(design.points, design.strength));
        EXPECT_TRUE(ProveWheel(design.rows, design.points, design.strength, design.strength).holds);
    }
}

// Small coverings whose smallest size is known; the search reaches it within its step budget.
struct KnownCase {
    int n, k, t;
    std::size_t best;
    std::uint64_t steps;
};

TEST(FindWheel, ReachesTheKnownSmallestCoverings) {
    // The last three from designs: 20 steps would not even build a greedy system of that size.
    const KnownCase cases[] = {{9, 3, 2, 12, 20000},   {10, 4, 3, 30, 200000}, {11, 5, 4, 66, 400000},
                               {10, 5, 4, 51, 400000}, {17, 5, 3, 68, 20},     {26, 6, 3, 130, 20},
                               {23, 7, 4, 253, 20}};
    for (const KnownCase& c : cases) {
        WheelRequest request{FirstNumbers(c.n), c.k, c.t, c.t};
        WheelSearchOptions options;
        options.steps = c.steps;
        options.seed = 3;
        const WheelSearchResult result = FindWheel(request, options);
        EXPECT_EQ(result.rows.size(), c.best) << "C(" << c.n << "," << c.k << "," << c.t << ")";
        EXPECT_TRUE(ProveWheel(result.rows, c.n, c.t, c.t).holds);
        for (RowMask row : result.rows) {
            EXPECT_EQ(std::popcount(row), c.k);
        }
    }
}

TEST(FindWheel, TheSameSeedAndStepsGiveTheSameRowsOnOneOrTwoThreads) {
    WheelRequest request{FirstNumbers(14), 6, 5, 3};
    WheelSearchOptions options;
    options.steps = 3000;
    options.seed = 11;
    const std::vector<RowMask> first = FindWheel(request, options).rows;
    EXPECT_EQ(FindWheel(request, options).rows, first);
    options.threads = 2;
    const std::vector<RowMask> both = FindWheel(request, options).rows;
    EXPECT_EQ(FindWheel(request, options).rows, both);
    EXPECT_LE(both.size(), first.size());
    EXPECT_TRUE(ProveWheel(both, 14, 5, 3).holds);
}

TEST(FindWheel, CancelLeavesTheBestSystemFoundSoFarProven) {
    WheelRequest request{FirstNumbers(20), 7, 4, 4};
    std::atomic<bool> cancel{true};
    // Cancelled before it starts: no step taken, a system filled in, complete all the same.
    WheelSearchResult result = FindWheel(request, {}, &cancel);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.steps, 0u);
    ASSERT_FALSE(result.rows.empty());
    EXPECT_TRUE(ProveWheel(result.rows, 20, 4, 4).holds);

    // Cancelled from the progress report once a system is complete.
    cancel = false;
    WheelSearchOptions options;
    options.seconds = 60;
    int bestReported = 0;
    result = FindWheel(request, options, &cancel, [&](const WheelProgress& progress) {
        if (progress.bestSize > 0) {
            bestReported = progress.bestSize;
            cancel = true;
        }
    });
    EXPECT_TRUE(result.cancelled);
    ASSERT_FALSE(result.rows.empty());
    EXPECT_LE(result.rows.size(), static_cast<std::size_t>(bestReported));
    EXPECT_TRUE(ProveWheel(result.rows, 20, 4, 4).holds);
}

TEST(FindWheel, KeepsToATinyStepBudgetOnALargePool) {
    // The greedy start alone takes some two thousand rows here; ten steps end it early, and the
    // system is completed without taking more.
    const WheelRequest request{FirstNumbers(30), 10, 5, 5};
    WheelSearchOptions options;
    options.steps = 10;
    const WheelSearchResult result = FindWheel(request, options);
    EXPECT_LE(result.steps, 10u);
    ASSERT_FALSE(result.rows.empty());
    for (RowMask row : result.rows) {
        EXPECT_EQ(std::popcount(row), 10);
    }
    EXPECT_TRUE(ProveWheel(result.rows, 30, 5, 5).holds);
}

TEST(FindWheel, RefusesASearchWithTooManySets) {
    EXPECT_TRUE(SearchProblem({FirstNumbers(32), 10, 20, 10}).has_value());
    // A larger p than the search can count is searched with a smaller one, which promises more.
    const WheelRequest request{FirstNumbers(26), 8, 10, 5};
    EXPECT_FALSE(SearchProblem(request).has_value());
    WheelSearchOptions options;
    options.steps = 2000;
    const WheelSearchResult result = FindWheel(request, options);
    EXPECT_EQ(result.searchedIfDrawn, 7); // 26 over 7 = 657800 sets; 26 over 8 are too many
    EXPECT_TRUE(ProveWheel(result.rows, 26, 10, 5).holds);
}

TEST(RequestProblem, NamesWhatCannotBeKept) {
    EXPECT_FALSE(RequestProblem({FirstNumbers(9), 3, 2, 2}).has_value());
    EXPECT_EQ(*RequestProblem({FirstNumbers(3), 3, 2, 2}),
              "Der Pool muss mehr Zahlen haben als eine Reihe (mindestens 4) und höchstens 32; er hat 3.");
    EXPECT_EQ(*RequestProblem({{1, 2, 3, 71}, 2, 2, 2}), "Die Zahl 71 im Pool ist keine Zahl von 1 bis 70.");
    EXPECT_EQ(*RequestProblem({{1, 2, 2, 5}, 2, 2, 2}), "Die Zahl 2 steht zweimal im Pool.");
    EXPECT_EQ(*RequestProblem({FirstNumbers(9), 11, 2, 2}), "Der KENO-Typ der Reihen muss zwischen 2 und 10 liegen.");
    EXPECT_EQ(*RequestProblem({FirstNumbers(9), 3, 2, 4}),
              "Die garantierten Treffer müssen zwischen 1 und dem KENO-Typ (3) liegen.");
    EXPECT_EQ(*RequestProblem({FirstNumbers(9), 3, 1, 2}),
              "Die Zahl der gezogenen Poolzahlen muss zwischen den garantierten Treffern (2) und 9 liegen.");
}

TEST(FiguresOf, TheDistributionOfATinySystemIsTheHandCount) {
    // Pool 5, 9, 12; rows {5, 9} and {9, 12} of type 2 (two hits pay 6.5 per euro), 2 euros a row.
    const std::vector<RowMask> rows = {Row({0, 1}), Row({1, 2})};
    const WheelFigures figures = FiguresOf({5, 9, 12}, rows, 2, 2, 2, 2, 7);
    const double allThree = 20.0 * 19 * 18 / (70.0 * 69 * 68);
    const double twoGivenOneNot = 20.0 * 19 * 50 / (70.0 * 69 * 68);
    ASSERT_TRUE(figures.exact);
    ASSERT_EQ(figures.distribution.size(), 3u);
    EXPECT_DOUBLE_EQ(figures.distribution[2].payout, 26.0); // both rows: 2 x 6.5 x 2 euros
    EXPECT_NEAR(figures.distribution[2].probability, allThree, 1e-15);
    EXPECT_DOUBLE_EQ(figures.distribution[1].payout, 13.0); // {5, 9} or {9, 12} without the third
    EXPECT_NEAR(figures.distribution[1].probability, 2 * twoGivenOneNot, 1e-15);
    EXPECT_DOUBLE_EQ(figures.distribution[0].payout, 0.0);
    EXPECT_NEAR(figures.distribution[0].probability, 1 - allThree - 2 * twoGivenOneNot, 1e-15);
    EXPECT_NEAR(figures.anyWinChance, allThree + 2 * twoGivenOneNot, 1e-15);
    EXPECT_DOUBLE_EQ(figures.costPerDraw, 4.0);
    EXPECT_DOUBLE_EQ(figures.costForDraws, 28.0);
    EXPECT_DOUBLE_EQ(figures.guaranteePrize, 13.0);
    // At least two of the three drawn.
    EXPECT_NEAR(figures.conditionChance, allThree + 3 * twoGivenOneNot, 1e-15);
}

TEST(FiguresOf, ExpectedPayoutIsRowsTimesStakeTimesTheTypesReturnExactly) {
    const std::uint64_t allDraws = WheelBinomial(70, 20);
    for (int k = 2; k <= 10; ++k) {
        const int n = k + 3;
        std::vector<RowMask> rows;
        for (int r = 0; r < 3; ++r) {
            rows.push_back(((RowMask{1} << static_cast<unsigned>(k)) - 1U) << static_cast<unsigned>(r));
        }
        const int stake = 3;
        const WheelFigures figures = FiguresOf(FirstNumbers(n), rows, k, k, k, stake, 1);
        // Return of one row of type k per euro: sum over h of ways(h) x rate(h) over (70 over k); rates
        // are whole or half euros, so in half euros it is a fraction of integers.
        const KenoTypeOdds odds = OddsOf(k);
        WideCount halfEuroWays = 0;
        for (const HitOdds& hit : odds.hits) {
            halfEuroWays += static_cast<WideCount>(hit.ways) * static_cast<std::uint64_t>(2 * hit.rate);
        }
        // figures: weight / (2 (70 over 20)); rows x stake x halfEuroWays / (2 (70 over k)).
        EXPECT_TRUE(figures.expectedHalfEuroWeight * odds.outcomes == halfEuroWays * (rows.size() * stake) * allDraws)
            << "type " << k;
        EXPECT_NEAR(figures.expectedPayout, 3.0 * stake * figures.returnPerEuro, 1e-12) << "type " << k;
        double total = 0;
        for (const PayoutChance& chance : figures.distribution) {
            total += chance.probability;
        }
        EXPECT_NEAR(total, 1.0, 1e-12);
    }
}

TEST(FiguresOf, LargePoolsAreSimulatedWithAStandardError) {
    std::vector<RowMask> rows = {Row({0, 1, 2, 3, 4}), Row({5, 6, 7, 8, 9}), Row({20, 21, 22, 23, 24})};
    const WheelFigures figures = FiguresOf(FirstNumbers(26), rows, 5, 5, 3, 1, 1, 5);
    EXPECT_FALSE(figures.exact);
    EXPECT_EQ(figures.simulatedDraws, kSimulatedDraws);
    EXPECT_GT(figures.standardError, 0);
    EXPECT_NEAR(figures.expectedPayout, 3 * OddsOf(5).expectedPayout, 4 * figures.standardError);
}

} // namespace
} // namespace qv
