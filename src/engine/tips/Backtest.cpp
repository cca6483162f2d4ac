#include "engine/tips/Backtest.h"

#include "engine/core/DrawValidity.h"

#include "engine/evaluation/Payout.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>

namespace qv {
namespace {

// Adds (delta 1) or removes (delta -1) a draw's numbers, counted as CountPeriodNumbers counts them.
void CountDraw(PeriodCounts& counts, const TGewZahlen& draw, int delta) {
    for (int p = 0; p < kNumbersPerDraw; ++p) {
        const int n = draw.GZ[static_cast<std::size_t>(p)];
        if (n >= 1 && n <= kNumbersInGame) {
            counts[static_cast<std::size_t>(n)] += delta;
        }
    }
}

NumberSet SetOfRow(const std::vector<int>& row) {
    NumberSet set;
    for (int n : row) {
        set.Add(n);
    }
    return set;
}

// Wide enough for any window a caller may pass.
long long RowsOf(const BacktestRequest& request, int drawCount) {
    return static_cast<long long>(drawCount) - request.window - request.drawsPlayed + 1;
}

using WinByHits = std::array<float, kMaxKenoType + 1>;

// Plays row in each of the draws played and adds it to the method's sums and running balance.
void PlayRow(MethodBacktest& method, const NumberSet& row, std::span<const NumberSet> played,
             const WinByHits& winByHits, double stake) {
    for (const NumberSet& draw : played) {
        const int hits = HitCount(row, draw);
        ++method.hitCounts[static_cast<std::size_t>(hits)];
        method.won += static_cast<double>(winByHits[static_cast<std::size_t>(hits)]);
    }
    ++method.rows;
    method.plays += static_cast<int>(played.size());
    method.stake += stake;
    method.balances.push_back(method.Balance());
}

} // namespace

std::string BacktestRefusal(const BacktestRequest& request, int drawCount) {
    if (request.kenoType < kMinKenoType || request.kenoType > kMaxKenoType) {
        return "Der KENO-Typ muss zwischen 2 und 10 liegen.";
    }
    if (request.window < 1) {
        return "Eine Tippreihe braucht mindestens eine Ziehung, aus der sie gebildet wird.";
    }
    if (DrawCountIndexOf(request.drawsPlayed) < 0) {
        return "Eine Tippreihe kann nur in 1, 2, 4, 7 oder 14 Ziehungen gespielt werden.";
    }
    if (StakeIndexOf(request.stakeEuros) < 0) {
        return "Der Einsatz je Ziehung kann nur 1, 2, 3, 4, 5 oder 10 Euro betragen.";
    }
    if (RowsOf(request, drawCount) < 1) {
        return "Für Tippreihen aus " + std::to_string(request.window) + " Ziehungen, gespielt in " +
               std::to_string(request.drawsPlayed) + (request.drawsPlayed == 1 ? " Ziehung" : " Ziehungen") +
               ", braucht der Rückblick mindestens " +
               std::to_string(static_cast<long long>(request.window) + request.drawsPlayed) + " Ziehungen; vorhanden " +
               (drawCount == 1 ? "ist " : "sind ") + std::to_string(drawCount) + ".";
    }
    return {};
}

std::vector<TGewZahlen> CompleteDraws(std::span<const TGewZahlen> draws) {
    return ValidDraws(draws);
}

SeededPicks MersennePicks() {
    return [](std::uint64_t seed) -> PickBelow {
        auto generator = std::make_shared<std::mt19937_64>(seed);
        return [generator](int n) { return std::uniform_int_distribution<int>(0, n - 1)(*generator); };
    };
}

BacktestResult RunBacktest(std::span<const TGewZahlen> draws, const BacktestRequest& request, const SeededPicks& seeded,
                           const BacktestProgress& progress) {
    BacktestResult result;
    result.request = request;
    const int drawCount = static_cast<int>(draws.size());
    if (!BacktestRefusal(request, drawCount).empty()) {
        return result;
    }
    const int rows = static_cast<int>(RowsOf(request, drawCount));
    result.firstStart = request.window;
    result.lastPlayed = drawCount - 1;

    std::vector<NumberSet> drawSets;
    drawSets.reserve(draws.size());
    for (const TGewZahlen& draw : draws) {
        drawSets.push_back(draw.Numbers());
    }
    WinByHits winByHits{};
    for (int h = 0; h <= kMaxKenoType; ++h) {
        winByHits[static_cast<std::size_t>(h)] = WinFor(request.kenoType, h, request.stakeEuros);
    }
    const double stakePerRow = static_cast<double>(request.stakeEuros) * request.drawsPlayed;
    const int total = rows * kTipMethodCount;
    // Often enough for a smooth bar, seldom enough to cost nothing.
    const int reportEvery = std::max(1, total / 200);

    for (int m = 0; m < kTipMethodCount; ++m) {
        MethodBacktest& method = result.methods[static_cast<std::size_t>(m)];
        method.method = TipMethod(m);
        method.balances.reserve(static_cast<std::size_t>(rows));
        // Each method has a random stream of its own, so its rows do not depend on the others.
        const PickBelow below = seeded(request.seed + static_cast<std::uint64_t>(m));
        PeriodCounts counts = CountPeriodNumbers(draws, 0, request.window - 1);
        for (int start = request.window; start < request.window + rows; ++start) {
            if (start > request.window) {
                // The window moves on by one draw.
                CountDraw(counts, draws[static_cast<std::size_t>(start - 1)], 1);
                CountDraw(counts, draws[static_cast<std::size_t>(start - 1 - request.window)], -1);
            }
            const NumberSet row = SetOfRow(GenerateRow(request.kenoType, method.method, RankNumbers(counts), below));
            PlayRow(method, row,
                    std::span(drawSets).subspan(static_cast<std::size_t>(start),
                                                static_cast<std::size_t>(request.drawsPlayed)),
                    winByHits, stakePerRow);

            const int done = m * rows + method.rows;
            if (done % reportEvery == 0) {
                if (progress.report) {
                    progress.report(done, total);
                }
                if (progress.cancel != nullptr && progress.cancel->load(std::memory_order_relaxed)) {
                    result.cancelled = true;
                    return result;
                }
            }
        }
    }
    if (progress.report && total % reportEvery != 0) {
        progress.report(total, total);
    }
    return result;
}

} // namespace qv
