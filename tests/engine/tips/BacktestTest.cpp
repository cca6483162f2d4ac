#include "engine/tips/Backtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace qv {
namespace {

// A draw of the numbers first to first + 9 and second to second + 9.
TGewZahlen DrawOf(int first, int second) {
    TGewZahlen draw;
    draw.datum = 45000;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 10, static_cast<std::uint8_t>(first));
    std::iota(draw.GZ.begin() + 10, draw.GZ.begin() + 20, static_cast<std::uint8_t>(second));
    return draw;
}

// 1 to 20, 11 to 30, 1 to 20, then 1 to 10 with 61 to 70. Over any two or three of the first draws
// 11 to 20 are the favourites and 70, 69, 68, ... (never drawn) the laggards.
std::vector<TGewZahlen> SmallHistory() {
    return {DrawOf(1, 11), DrawOf(11, 21), DrawOf(1, 11), DrawOf(1, 61)};
}

// Every random pick takes the first free place of the pool: the favourites' rows start with the top
// favourites, the laggards' with the top laggards, the random rows are 1, 2, 3, ...
SeededPicks FirstFree() {
    return [](std::uint64_t) -> PickBelow { return [](int) { return 0; }; };
}

struct MethodExpectation {
    double won;
    std::vector<double> balances;
    std::vector<int> hitCounts; // 0 hits upwards
};

TEST(Backtest, TotalsOverASmallHistoryComputedByHand) {
    const struct Case {
        const char* what;
        BacktestRequest request;
        int rows;
        double stakePerMethod;
        // Restanten, Favoriten, Beide, Zufall.
        std::array<MethodExpectation, 4> methods;
    } cases[] = {
        // Rows from draws 0-1 played in draw 2 (1 to 20), rows from 1-2 played in draw 3: favourites
        // {11, 12} hit 2 then 0, laggards {69, 70} 0 then 2, random {1, 2} twice 2 (6.50 each).
        {"type 2, two draws, one played",
         {2, 2, 1, 1, 0},
         2,
         2.0,
         {{{6.5, {-1.0, 4.5}, {1, 0, 1}},
           {6.5, {5.5, 4.5}, {1, 0, 1}},
           {6.5, {5.5, 4.5}, {1, 0, 1}},
           {13.0, {5.5, 11.0}, {0, 0, 2}}}}},
        // The same at 5 euros a draw.
        {"type 2 at 5 euros",
         {2, 2, 1, 5, 0},
         2,
         10.0,
         {{{32.5, {-5.0, 22.5}, {1, 0, 1}},
           {32.5, {27.5, 22.5}, {1, 0, 1}},
           {32.5, {27.5, 22.5}, {1, 0, 1}},
           {65.0, {27.5, 55.0}, {0, 0, 2}}}}},
        // One row from draws 0-2, played in draw 3 only.
        {"type 2, three draws",
         {2, 3, 1, 1, 0},
         1,
         1.0,
         {{{6.5, {5.5}, {0, 0, 1}}, {0.0, {-1.0}, {1, 0, 0}}, {0.0, {-1.0}, {1, 0, 0}}, {6.5, {5.5}, {0, 0, 1}}}}},
        // One row of type 3 from draws 0-1 played in draws 2 and 3: three hits pay 16.
        {"type 3, two draws played",
         {3, 2, 2, 1, 0},
         1,
         2.0,
         {{{16.0, {14.0}, {1, 0, 0, 1}},
           {16.0, {14.0}, {1, 0, 0, 1}},
           {16.0, {14.0}, {1, 0, 0, 1}},
           {32.0, {30.0}, {0, 0, 0, 2}}}}},
    };
    const std::vector<TGewZahlen> draws = SmallHistory();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const BacktestResult result = RunBacktest(draws, c.request, FirstFree());
        EXPECT_FALSE(result.cancelled);
        EXPECT_EQ(result.firstStart, c.request.window);
        EXPECT_EQ(result.lastPlayed, 3);
        for (int m = 0; m < kTipMethodCount; ++m) {
            SCOPED_TRACE(m);
            const MethodBacktest& method = result.methods[static_cast<std::size_t>(m)];
            const MethodExpectation& expected = c.methods[static_cast<std::size_t>(m)];
            EXPECT_EQ(method.method, TipMethod(m));
            EXPECT_EQ(method.rows, c.rows);
            EXPECT_EQ(method.plays, c.rows * c.request.drawsPlayed);
            EXPECT_DOUBLE_EQ(method.stake, c.stakePerMethod);
            EXPECT_DOUBLE_EQ(method.won, expected.won);
            EXPECT_DOUBLE_EQ(method.Balance(), expected.won - c.stakePerMethod);
            EXPECT_DOUBLE_EQ(method.ReturnPercent(), 100.0 * expected.won / c.stakePerMethod);
            EXPECT_EQ(method.balances, expected.balances);
            std::vector<int> hits(method.hitCounts.begin(), method.hitCounts.begin() + c.request.kenoType + 1);
            EXPECT_EQ(hits, expected.hitCounts);
        }
    }
}

// 300 draws of a fixed generator, so the rows differ from position to position.
std::vector<TGewZahlen> LongHistory() {
    std::mt19937 generator(99);
    std::vector<TGewZahlen> draws;
    for (int d = 0; d < 300; ++d) {
        std::vector<int> numbers(70);
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), generator);
        TGewZahlen draw;
        draw.datum = 45000 + d;
        std::copy_n(numbers.begin(), 20, draw.GZ.begin());
        draws.push_back(draw);
    }
    return draws;
}

TEST(Backtest, TheSameSeedGivesTheSameRowsAndEachMethodHasItsOwnStream) {
    const std::vector<TGewZahlen> draws = LongHistory();
    const BacktestRequest request{6, 30, 2, 1, 17};
    std::vector<std::uint64_t> seeds;
    const SeededPicks mersenne = MersennePicks();
    const SeededPicks recording = [&](std::uint64_t seed) {
        seeds.push_back(seed);
        return mersenne(seed);
    };
    const BacktestResult first = RunBacktest(draws, request, recording);
    EXPECT_EQ(seeds, (std::vector<std::uint64_t>{17, 18, 19, 20}));
    const BacktestResult again = RunBacktest(draws, request, MersennePicks());
    BacktestRequest otherSeed = request;
    otherSeed.seed = 18;
    const BacktestResult shifted = RunBacktest(draws, otherSeed, MersennePicks());
    for (int m = 0; m < kTipMethodCount; ++m) {
        const auto& a = first.methods[static_cast<std::size_t>(m)];
        const auto& b = again.methods[static_cast<std::size_t>(m)];
        EXPECT_EQ(a.rows, 300 - 30 - 2 + 1);
        EXPECT_EQ(a.won, b.won);
        EXPECT_EQ(a.hitCounts, b.hitCounts);
        EXPECT_EQ(a.balances, b.balances);
    }
    // Another seed, other random rows.
    EXPECT_NE(first.methods[3].balances, shifted.methods[3].balances);
    for (const MethodBacktest& method : first.methods) {
        EXPECT_EQ(std::accumulate(method.hitCounts.begin(), method.hitCounts.end(), 0), method.plays);
    }
}

TEST(Backtest, RefusesRequestsItCannotRun) {
    const struct {
        BacktestRequest request;
        int drawCount;
        const char* text;
    } cases[] = {
        {{1, 2, 1, 1, 0}, 10, "Der KENO-Typ muss zwischen 2 und 10 liegen."},
        {{11, 2, 1, 1, 0}, 10, "Der KENO-Typ muss zwischen 2 und 10 liegen."},
        {{6, 0, 1, 1, 0}, 10, "Eine Tippreihe braucht mindestens eine Ziehung, aus der sie gebildet wird."},
        {{6, 2, 3, 1, 0}, 10, "Eine Tippreihe kann nur in 1, 2, 4, 7 oder 14 Ziehungen gespielt werden."},
        {{6, 2, 1, 6, 0}, 10, "Der Einsatz je Ziehung kann nur 1, 2, 3, 4, 5 oder 10 Euro betragen."},
        {{6, 10, 1, 1, 0},
         10,
         "Für Tippreihen aus 10 Ziehungen, gespielt in 1 Ziehung, braucht der Rückblick mindestens 11 Ziehungen; "
         "vorhanden sind 10."},
        {{6, 1, 14, 1, 0},
         1,
         "Für Tippreihen aus 1 Ziehungen, gespielt in 14 Ziehungen, braucht der Rückblick mindestens 15 Ziehungen; "
         "vorhanden ist 1."},
        {{6, 1, 1, 1, 0},
         0,
         "Für Tippreihen aus 1 Ziehungen, gespielt in 1 Ziehung, braucht der Rückblick "
         "mindestens 2 Ziehungen; vorhanden sind 0."},
    };
    const std::vector<TGewZahlen> draws = SmallHistory();
    for (const auto& c : cases) {
        EXPECT_EQ(BacktestRefusal(c.request, c.drawCount), c.text);
        // A refused request computes nothing and never reads past the history.
        const BacktestResult result = RunBacktest(
            std::span(draws).first(std::min<std::size_t>(draws.size(), c.drawCount)), c.request, MersennePicks());
        for (const MethodBacktest& method : result.methods) {
            EXPECT_EQ(method.rows, 0);
            EXPECT_TRUE(method.balances.empty());
        }
    }
    // The smallest history that works: one row and its draw.
    EXPECT_EQ(BacktestRefusal({6, 3, 1, 1, 0}, 4), "");
}

TEST(Backtest, LeavesOutDrawsThatAreNotComplete) {
    std::vector<TGewZahlen> draws = SmallHistory();
    draws.insert(draws.begin() + 2, TGewZahlen{}); // added but not saved
    TGewZahlen damaged = DrawOf(1, 11);
    damaged.GZ[5] = 71;
    draws.push_back(damaged);
    TGewZahlen fives = DrawOf(1, 11);
    std::fill_n(fives.GZ.begin(), 20, 5); // twenty 5s: numbers in range, but not twenty different ones
    draws.push_back(fives);
    EXPECT_EQ(CompleteDraws(draws), SmallHistory());
}

TEST(Backtest, ReportsProgressAndStopsWhenCancelled) {
    const std::vector<TGewZahlen> draws = LongHistory();
    std::atomic<bool> cancel{false};
    int lastDone = 0;
    int calls = 0;
    BacktestProgress progress;
    progress.cancel = &cancel;
    progress.report = [&](int done, int total) {
        EXPECT_EQ(total, 4 * 290);
        EXPECT_GT(done, lastDone);
        lastDone = done;
        ++calls;
    };
    const BacktestResult whole = RunBacktest(draws, {5, 10, 1, 1, 3}, MersennePicks(), progress);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(lastDone, 4 * 290);
    EXPECT_GT(calls, 10);

    lastDone = 0;
    progress.report = [&](int done, int) {
        lastDone = done;
        cancel = done >= 290;
    };
    const BacktestResult part = RunBacktest(draws, {5, 10, 1, 1, 3}, MersennePicks(), progress);
    EXPECT_TRUE(part.cancelled);
    EXPECT_LT(lastDone, 2 * 290);
    EXPECT_EQ(part.methods[0].rows, 290);
    EXPECT_LT(part.methods[1].rows, 290);
}

} // namespace
} // namespace qv
