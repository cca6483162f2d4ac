#pragma once

#include "engine/core/GameTables.h"
#include "engine/core/Records.h"
#include "engine/tips/TipGeneration.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace qv {

// A look back at the tip centre's methods: what a player would have staked and won had he, before
// every draw of the history, let a method build a row from the draws just before it and played that
// row in the next draw(s).
struct BacktestRequest {
    int kenoType = 6;       // 2 to 10
    int window = 100;       // draws each row is built from, at least 1
    int drawsPlayed = 1;    // consecutive draws each row is played in: 1, 2, 4, 7 or 14, as on a slip
    int stakeEuros = 1;     // per row and draw: 1, 2, 3, 4, 5 or 10, as on a slip
    std::uint64_t seed = 1; // method m draws its random picks from a source seeded with seed + m
};

// What one method would have brought.
struct MethodBacktest {
    TipMethod method = TipMethod::Zufall;
    int rows = 0;  // rows built, one per start position
    int plays = 0; // rows times draws played
    double stake = 0;
    double won = 0;
    // plays by hit count 0 to the Keno type; the entries above it stay 0.
    std::array<int, kMaxKenoType + 1> hitCounts{};
    // The balance (won - stake) after each row, oldest first.
    std::vector<double> balances;

    double Balance() const { return won - stake; }
    // What came back of every euro staked, in percent; 0 without stake.
    double ReturnPercent() const { return stake > 0 ? 100.0 * won / stake : 0.0; }
};

struct BacktestResult {
    BacktestRequest request;
    // The first row is built from the draws before firstStart and played from firstStart on; the last
    // row is played up to and including lastPlayed.
    int firstStart = 0;
    int lastPlayed = 0;
    std::array<MethodBacktest, kTipMethodCount> methods{};
    bool cancelled = false; // stopped on request: the totals cover part of the history
};

// The reason a request cannot run over drawCount draws, in German, or an empty text when it can: a
// Keno type outside 2 to 10, a window below 1, a count of draws or a stake the game does not offer, or
// a history too short for one row and its draws.
std::string BacktestRefusal(const BacktestRequest& request, int drawCount);

// The random picks of one method, started afresh from a seed.
using SeededPicks = std::function<PickBelow(std::uint64_t seed)>;

// Picks from std::mt19937_64 with a uniform distribution, as the program's random source gives them,
// so the command-line tool finds the same rows as the window.
SeededPicks MersennePicks();

// Progress of a long run: called now and then with the rows done and the rows of all methods; the run
// stops early when cancel becomes true.
struct BacktestProgress {
    std::function<void(int done, int total)> report;
    const std::atomic<bool>* cancel = nullptr;
};

// The draws a look back plays against: the valid ones (IsValidDraw). A draw added but not yet saved has
// no numbers, and a row played against it would "win" the 0-hit prize; twenty 5s would count 5 twenty times.
std::vector<TGewZahlen> CompleteDraws(std::span<const TGewZahlen> draws);

// Runs every method over the whole history: rows built from draws p - window to p - 1 for each start p
// from window to drawCount - drawsPlayed, each played in draws p to p + drawsPlayed - 1 with the
// payout table. The request must have passed BacktestRefusal; otherwise the result is empty.
BacktestResult RunBacktest(std::span<const TGewZahlen> draws, const BacktestRequest& request, const SeededPicks& seeded,
                           const BacktestProgress& progress = {});

} // namespace qv
