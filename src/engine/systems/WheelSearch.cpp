#include "engine/systems/WheelSearch.h"

#include "engine/systems/WheelBounds.h"
#include "engine/systems/WheelDesigns.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <ctime>
#include <random>
#include <thread>

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

// The p-sets of n pool positions, numbered in colex order: the set c0 < c1 < ... has the number
// sum over i of (c_i over i + 1).
class SetNumbering {
public:
    SetNumbering(int n, int p)
        : m_n(n)
        , m_p(p) {
        for (int a = 0; a <= kMaxPoolSize; ++a) {
            for (int b = 0; b <= kMaxPoolSize; ++b) {
                m_binomial[a][b] =
                    static_cast<std::uint32_t>(std::min<std::uint64_t>(WheelBinomial(a, b), 0xFFFFFFFFU));
            }
        }
        m_count = WheelBinomial(n, p);
    }

    std::uint64_t Count() const { return m_count; }

    std::uint32_t Number(RowMask set) const {
        std::uint32_t number = 0;
        for (int i = 1; set != 0; ++i) {
            number += m_binomial[std::countr_zero(set)][i];
            set &= set - 1;
        }
        return number;
    }

    RowMask Set(std::uint32_t number) const {
        RowMask set = 0;
        int c = m_n;
        for (int i = m_p; i >= 1; --i) {
            do {
                --c;
            } while (m_binomial[c][i] > number);
            number -= m_binomial[c][i];
            set |= RowMask{1} << static_cast<unsigned>(c);
        }
        return set;
    }

private:
    int m_n;
    int m_p;
    std::uint64_t m_count = 0;
    std::uint32_t m_binomial[kMaxPoolSize + 1][kMaxPoolSize + 1] = {};
};

// Every subset of size count of the positions in from, appended to out.
void SubsetsOf(RowMask from, int count, std::vector<RowMask>& out) {
    out.clear();
    int positions[kMaxPoolSize];
    int n = 0;
    for (RowMask m = from; m != 0; m &= m - 1) {
        positions[n++] = std::countr_zero(m);
    }
    if (count < 0 || count > n) {
        return;
    }
    int index[kMaxPoolSize + 1];
    for (int i = 0; i < count; ++i) {
        index[i] = i;
    }
    while (true) {
        RowMask subset = 0;
        for (int i = 0; i < count; ++i) {
            subset |= RowMask{1} << static_cast<unsigned>(positions[index[i]]);
        }
        out.push_back(subset);
        int i = count - 1;
        while (i >= 0 && index[i] == n - count + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++index[i];
        for (int j = i + 1; j < count; ++j) {
            index[j] = index[j - 1] + 1;
        }
    }
}

// The lexicographic order of rows by their ascending positions.
bool RowBefore(RowMask a, RowMask b) {
    const RowMask differ = a ^ b;
    return (a & differ & (~differ + 1)) != 0;
}

struct Shared {
    Clock::time_point start = Clock::now();
    std::clock_t startClock = std::clock();
    const std::atomic<bool>* cancel = nullptr;
    std::atomic<bool> boundReached{false}; // only with a time budget: one thread's optimum ends all
    std::atomic<int> bestSize{0};
    std::atomic<std::uint64_t> steps{0};
};

class Annealer {
public:
    Annealer(const WheelRequest& request, int ifDrawn, const WheelSearchOptions& options, std::uint64_t seed, int bound,
             Shared& shared)
        : m_n(static_cast<int>(request.pool.size()))
        , m_k(request.kenoType)
        , m_p(ifDrawn)
        , m_t(request.hits)
        , m_full(m_n == 32 ? ~RowMask{0} : (RowMask{1} << static_cast<unsigned>(m_n)) - 1U)
        , m_numbering(m_n, m_p)
        , m_options(options)
        , m_generator(seed)
        , m_bound(bound)
        , m_shared(shared) {
        for (int i = m_t; i <= std::min(m_k, m_p); ++i) {
            m_setsPerRow += static_cast<std::size_t>(WheelBinomial(m_k, i) * WheelBinomial(m_n - m_k, m_p - i));
        }
        // A swap weighs twice this many sets; where that is many, the clock is read more often.
        const std::uint64_t swapSets = WheelBinomial(m_k - 1, m_t - 1) * WheelBinomial(m_n - m_k - 1, m_p - m_t);
        while (m_checkMask > 0 && (m_checkMask + 1) * swapSets > kSetsBetweenChecks) {
            m_checkMask >>= 1U;
        }
    }

    double SecondsToBest() const { return m_secondsToBest; }

    // Runs the search; reports when report is true (one thread reports).
    std::vector<RowMask> Run(const std::function<void(const WheelProgress&)>& progress, bool report) {
        m_cover.resize(m_numbering.Count());
        m_where.resize(m_numbering.Count());
        Start();
        const double start = m_options.plainAnnealing ? kPlainStartTemperature : kStartTemperature;
        const double cooling = m_options.plainAnnealing ? kPlainCooling : kCooling;
        double temperature = start;
        auto lastReport = Clock::now();
        while (!Ended()) {
            if (m_uncovered.empty()) {
                KeepComplete();
                if (static_cast<int>(m_best.size()) <= std::max(m_bound, m_options.targetSize)) {
                    if (m_options.steps == 0) {
                        m_shared.boundReached = true;
                    }
                    break;
                }
                DropRow();
                temperature = start;
                continue;
            }
            Step(temperature);
            if (++m_steps % kCoolingSteps == 0) {
                temperature *= cooling;
                if (temperature < kLowestTemperature) {
                    temperature = start;
                }
            }
            if (report && progress && (m_steps & 0x3FFU) == 0 && Clock::now() - lastReport > kReportEvery) {
                lastReport = Clock::now();
                Report(progress);
            }
        }
        if (m_best.empty()) {
            // Ended before any system was complete: fill the gaps without weighing rows, which takes
            // no longer than adding them does.
            Complete();
            KeepComplete();
        }
        m_shared.steps += m_steps;
        if (report && progress) {
            Report(progress);
        }
        return m_best;
    }

private:
    // The temperature of the program's search is relative to the mean rise of a move it weighs (about
    // one set on a covering of few sets per row, dozens on a lotto design); the yardstick's is absolute.
    static constexpr double kStartTemperature = 0.2;
    static constexpr double kPlainStartTemperature = 0.6;
    static constexpr double kLowestTemperature = 0.05;
    static constexpr double kCooling = 0.95;
    static constexpr double kPlainCooling = 0.98;
    static constexpr std::uint64_t kCoolingSteps = 500;
    static constexpr int kSwapChoices = 8;
    static constexpr double kRiseWeight = 0.001; // of the newest rise in the running mean
    static constexpr std::size_t kDropSets = 50000;
    static constexpr std::size_t kDropRowsAtLeast = 16;
    static constexpr std::uint64_t kSetsBetweenChecks = 8192;
    static constexpr Clock::duration kReportEvery = std::chrono::milliseconds(100);

    // Whether the budget is spent, the search cancelled or another thread at the bound; the clock and
    // the flags are read every 256 steps (every step where steps are long), or at once when now is
    // true (before a long step).
    bool Ended(bool now = false) {
        if (m_options.steps != 0 && m_steps >= m_options.steps) {
            return true;
        }
        if (now || (m_steps & m_checkMask) == 0) {
            if (m_shared.cancel != nullptr && m_shared.cancel->load(std::memory_order_relaxed)) {
                m_cancelled = true;
            }
            if (m_options.seconds > 0 && Elapsed() >= m_options.seconds) {
                m_timeUp = true;
            }
            if (m_options.steps == 0 && m_shared.boundReached.load(std::memory_order_relaxed)) {
                m_timeUp = true;
            }
        }
        return m_cancelled || m_timeUp;
    }

    void Report(const std::function<void(const WheelProgress&)>& progress) {
        WheelProgress report;
        report.currentSize = static_cast<int>(m_rows.size());
        report.bestSize = m_shared.bestSize.load();
        report.bound = m_bound;
        report.steps = m_steps;
        progress(report);
    }

    // Seconds since the search started, on the wall clock or in processor time.
    double Elapsed() const {
        if (m_options.processorTime) {
            return static_cast<double>(std::clock() - m_shared.startClock) / CLOCKS_PER_SEC;
        }
        return std::chrono::duration<double>(Clock::now() - m_shared.start).count();
    }

    int RandomBelow(int n) { return static_cast<int>(m_generator() % static_cast<std::uint64_t>(n)); }

    double RandomUnit() { return static_cast<double>(m_generator() >> 11U) * 0x1.0p-53; }

    static int NthPosition(RowMask mask, int skip) {
        while (skip-- > 0) {
            mask &= mask - 1;
        }
        return std::countr_zero(mask);
    }

    int RandomPosition(RowMask mask) { return NthPosition(mask, RandomBelow(std::popcount(mask))); }

    RowMask RandomSubset(RowMask from, int count) {
        RowMask subset = 0;
        for (int i = 0; i < count && from != 0; ++i) {
            const RowMask bit = RowMask{1} << static_cast<unsigned>(RandomPosition(from));
            subset |= bit;
            from &= ~bit;
        }
        return subset;
    }

    void MarkCovered(std::uint32_t set) {
        const std::int32_t at = m_where[set];
        const std::uint32_t last = m_uncovered.back();
        m_uncovered[static_cast<std::size_t>(at)] = last;
        m_where[last] = at;
        m_uncovered.pop_back();
        m_where[set] = -1;
    }

    void MarkUncovered(std::uint32_t set) {
        m_where[set] = static_cast<std::int32_t>(m_uncovered.size());
        m_uncovered.push_back(set);
    }

    // Calls visit with the number of every p-set that the row meets in hits or more positions.
    template <typename Visit>
    void ForEachSetMet(RowMask row, Visit visit) {
        for (int i = m_t; i <= std::min(m_k, m_p); ++i) {
            SubsetsOf(row, i, m_inside);
            SubsetsOf(m_full & ~row, m_p - i, m_outside);
            for (RowMask a : m_inside) {
                for (RowMask b : m_outside) {
                    visit(m_numbering.Number(a | b));
                }
            }
        }
    }

    void AddRow(RowMask row) {
        ForEachSetMet(row, [this](std::uint32_t set) {
            if (m_cover[set]++ == 0) {
                MarkCovered(set);
            }
        });
        m_rows.push_back(row);
    }

    void RemoveRow(std::size_t r) {
        ForEachSetMet(m_rows[r], [this](std::uint32_t set) {
            if (--m_cover[set] == 0) {
                MarkUncovered(set);
            }
        });
        m_rows[r] = m_rows.back();
        m_rows.pop_back();
    }

    // The sets a row loses and gains when position out leaves it and position in enters: both are a
    // (t-1)-set of the row's other positions plus a (p-t)-set outside the row and in, with out (lost)
    // or in (gained) added.
    void PrepareSwap(RowMask row, int out, int in) {
        const RowMask outBit = RowMask{1} << static_cast<unsigned>(out);
        const RowMask inBit = RowMask{1} << static_cast<unsigned>(in);
        SubsetsOf(row & ~outBit, m_t - 1, m_inside);
        SubsetsOf(m_full & ~row & ~inBit, m_p - m_t, m_outside);
    }

    // How many more sets are uncovered after the swap (negative: fewer).
    int SwapDelta(int out, int in) {
        const RowMask outBit = RowMask{1} << static_cast<unsigned>(out);
        const RowMask inBit = RowMask{1} << static_cast<unsigned>(in);
        int delta = 0;
        for (RowMask a : m_inside) {
            for (RowMask b : m_outside) {
                delta += m_cover[m_numbering.Number(a | b | outBit)] == 1 ? 1 : 0;
                delta -= m_cover[m_numbering.Number(a | b | inBit)] == 0 ? 1 : 0;
            }
        }
        return delta;
    }

    void ApplySwap(std::size_t r, int out, int in) {
        const RowMask outBit = RowMask{1} << static_cast<unsigned>(out);
        const RowMask inBit = RowMask{1} << static_cast<unsigned>(in);
        for (RowMask a : m_inside) {
            for (RowMask b : m_outside) {
                const std::uint32_t lost = m_numbering.Number(a | b | outBit);
                if (--m_cover[lost] == 0) {
                    MarkUncovered(lost);
                }
                const std::uint32_t gained = m_numbering.Number(a | b | inBit);
                if (m_cover[gained]++ == 0) {
                    MarkCovered(gained);
                }
            }
        }
        m_rows[r] = (m_rows[r] & ~outBit) | inBit;
    }

    // No rows, every set uncovered.
    void Clear() {
        m_rows.clear();
        std::fill(m_cover.begin(), m_cover.end(), 0U);
        m_uncovered.resize(m_cover.size());
        for (std::size_t s = 0; s < m_cover.size(); ++s) {
            m_uncovered[s] = static_cast<std::uint32_t>(s);
            m_where[s] = static_cast<std::int32_t>(s);
        }
    }

    // Row filled up to the row size with random positions.
    RowMask Filled(RowMask row) { return row | RandomSubset(m_full & ~row, m_k - std::popcount(row)); }

    // The first system: a known design where one fits (many of them are the smallest systems there
    // are), else the greedy one, or the design's when the greedy one is larger or ended incomplete.
    void Start() {
        Clear();
        const std::vector<RowMask> design =
            m_options.plainAnnealing ? std::vector<RowMask>{} : DesignCovering(m_n, m_k, m_t);
        if (design.empty() || static_cast<int>(design.size()) > std::max(m_bound, m_options.targetSize)) {
            Greedy();
            if (design.empty() || (m_uncovered.empty() && m_rows.size() <= design.size())) {
                return;
            }
            Clear();
        }
        for (RowMask row : design) {
            AddRow(Filled(row));
        }
    }

    // Adds rows until every set is covered or the budget ends: each time the best of a few rows
    // through hits positions of a set still uncovered.
    void Greedy() {
        constexpr int kCandidates = 8;
        while (!m_uncovered.empty()) {
            if (Ended(true)) {
                return;
            }
            const RowMask target = m_numbering.Set(
                m_uncovered[static_cast<std::size_t>(RandomBelow(static_cast<int>(m_uncovered.size())))]);
            RowMask bestRow = 0;
            int bestGain = -1;
            for (int c = 0; c < kCandidates; ++c) {
                RowMask row = RandomSubset(target, m_t);
                row |= RandomSubset(m_full & ~row, m_k - std::popcount(row));
                int gain = 0;
                ForEachSetMet(row, [this, &gain](std::uint32_t set) { gain += m_cover[set] == 0 ? 1 : 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    bestRow = row;
                }
            }
            AddRow(bestRow);
            ++m_steps;
        }
    }

    // Adds a row through each set still uncovered, its positions filled up at random: a complete
    // system at the cost of adding its rows, and no step of the budget.
    void Complete() {
        while (!m_uncovered.empty()) {
            const RowMask set = m_numbering.Set(m_uncovered.back());
            AddRow(Filled(RandomSubset(set, std::min(m_p, m_k))));
        }
    }

    void KeepComplete() {
        if (m_best.empty() || m_rows.size() < m_best.size()) {
            m_best = m_rows;
            m_secondsToBest = Elapsed();
            int seen = m_shared.bestSize.load();
            const int size = static_cast<int>(m_best.size());
            while ((seen == 0 || size < seen) && !m_shared.bestSize.compare_exchange_weak(seen, size)) {
            }
        }
    }

    // Drops the row whose loss uncovers the fewest sets: of every row, or (where that would take
    // long) of as many rows from a random one on as about kDropSets counts allow. A row whose loss
    // uncovers nothing goes at once.
    void DropRow() {
        const std::size_t rows = m_rows.size();
        const std::size_t looked = std::min(rows, std::max(kDropRowsAtLeast, kDropSets / m_setsPerRow));
        const std::size_t first =
            looked < rows ? static_cast<std::size_t>(RandomBelow(static_cast<int>(rows))) : std::size_t{0};
        std::size_t fewest = first;
        int fewestLost = -1;
        for (std::size_t i = 0; i < looked && fewestLost != 0; ++i) {
            const std::size_t r = (first + i) % rows;
            int lost = 0;
            ForEachSetMet(m_rows[r], [this, &lost](std::uint32_t set) { lost += m_cover[set] == 1 ? 1 : 0; });
            if (fewestLost < 0 || lost < fewestLost) {
                fewestLost = lost;
                fewest = r;
            }
        }
        RemoveRow(fewest);
    }

    struct Swap {
        std::size_t row = 0;
        int out = 0; // the position that leaves the row
        int in = 0;  // the position that enters it
    };

    // The yardstick's move: any position of a random row for any position outside it.
    Swap PlainSwap() {
        Swap swap;
        swap.row = static_cast<std::size_t>(RandomBelow(static_cast<int>(m_rows.size())));
        swap.out = RandomPosition(m_rows[swap.row]);
        swap.in = RandomPosition(m_full & ~m_rows[swap.row]);
        return swap;
    }

    // The row that meets the set in the most positions (hits - 1 at most), one of them at random.
    std::size_t NearestRow(RowMask set) {
        std::size_t nearest = 0;
        int most = -1;
        int ties = 0;
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            const int met = std::popcount(m_rows[r] & set);
            if (met > most) {
                most = met;
                ties = 1;
                nearest = r;
            } else if (met == most && RandomBelow(++ties) == 0) {
                nearest = r;
            }
        }
        return nearest;
    }

    // A set no row meets in hits positions and the row nearest to it: swapping one of the row's other
    // positions for one of the set's brings the row nearer. Of a few such swaps (all of them when they
    // are few), the one that uncovers least.
    Swap AimedSwap() {
        const RowMask target =
            m_numbering.Set(m_uncovered[static_cast<std::size_t>(RandomBelow(static_cast<int>(m_uncovered.size())))]);
        Swap best;
        best.row = NearestRow(target);
        const RowMask outs = m_rows[best.row] & ~target;
        const RowMask ins = target & ~m_rows[best.row];
        const int outCount = std::popcount(outs);
        const int swaps = outCount * std::popcount(ins);
        int fewest = 0;
        int ties = 0;
        for (int c = 0; c < std::min(swaps, kSwapChoices); ++c) {
            Swap swap = best;
            swap.out = swaps <= kSwapChoices ? NthPosition(outs, c % outCount) : RandomPosition(outs);
            swap.in = swaps <= kSwapChoices ? NthPosition(ins, c / outCount) : RandomPosition(ins);
            PrepareSwap(m_rows[swap.row], swap.out, swap.in);
            const int delta = SwapDelta(swap.out, swap.in);
            if (c == 0 || delta < fewest) {
                fewest = delta;
                ties = 1;
                best = swap;
            } else if (delta == fewest && RandomBelow(++ties) == 0) {
                best = swap;
            }
        }
        return best;
    }

    void Step(double temperature) {
        const Swap swap = m_options.plainAnnealing ? PlainSwap() : AimedSwap();
        PrepareSwap(m_rows[swap.row], swap.out, swap.in);
        const int delta = SwapDelta(swap.out, swap.in);
        if (delta > 0 && !m_options.plainAnnealing) {
            m_meanRise += (delta - m_meanRise) * kRiseWeight;
        }
        if (delta <= 0 || RandomUnit() < std::exp(-delta / (temperature * m_meanRise))) {
            ApplySwap(swap.row, swap.out, swap.in);
        }
    }

    int m_n;
    int m_k;
    int m_p;
    int m_t;
    RowMask m_full;
    SetNumbering m_numbering;
    const WheelSearchOptions& m_options;
    std::mt19937_64 m_generator;
    int m_bound;
    Shared& m_shared;

    std::vector<std::uint32_t> m_cover;     // rows meeting each p-set in hits or more positions
    std::vector<std::int32_t> m_where;      // each set's place in m_uncovered, -1 when covered
    std::vector<std::uint32_t> m_uncovered; // the sets no row covers
    std::vector<RowMask> m_rows;
    std::vector<RowMask> m_best;
    std::vector<RowMask> m_inside;
    std::vector<RowMask> m_outside;
    std::size_t m_setsPerRow = 0;     // p-sets a row meets in hits or more positions
    std::uint64_t m_checkMask = 0xFF; // the clock is read when the steps masked by it are 0
    double m_meanRise = 1;            // of the swaps weighed that would uncover more sets
    std::uint64_t m_steps = 0;
    double m_secondsToBest = 0;
    bool m_cancelled = false;
    bool m_timeUp = false;
};

int SearchedIfDrawn(const WheelRequest& request) {
    const int n = static_cast<int>(request.pool.size());
    for (int p = request.ifDrawn; p >= request.hits; --p) {
        if (WheelBinomial(n, p) <= kMaxSearchSets) {
            return p;
        }
    }
    return 0;
}

} // namespace

std::optional<std::string> SearchProblem(const WheelRequest& request) {
    if (SearchedIfDrawn(request) == 0) {
        return "Für " + std::to_string(request.pool.size()) + " Poolzahlen und " + std::to_string(request.hits) +
               " garantierte Treffer gibt es zu viele Zahlengruppen; dieses Programm sucht Systeme mit höchstens " +
               std::to_string(kMaxSearchSets) + " davon. Bitte weniger Poolzahlen oder weniger Treffer wählen.";
    }
    return std::nullopt;
}

WheelSearchResult FindWheel(const WheelRequest& request, const WheelSearchOptions& options,
                            const std::atomic<bool>* cancel,
                            const std::function<void(const WheelProgress&)>& progress) {
    WheelSearchResult result;
    result.searchedIfDrawn = SearchedIfDrawn(request);
    if (result.searchedIfDrawn == 0) {
        return result;
    }
    const int n = static_cast<int>(request.pool.size());
    const int bound = static_cast<int>(WheelLowerBound(n, request.kenoType, request.ifDrawn, request.hits));
    WheelSearchOptions budget = options;
    if (budget.steps == 0 && budget.seconds <= 0) {
        budget.seconds = 2;
    }
    Shared shared;
    shared.cancel = cancel;
    const int threads = std::clamp(options.threads, 1, 2);
    std::vector<std::vector<RowMask>> found(static_cast<std::size_t>(threads));
    std::vector<double> secondsToBest(static_cast<std::size_t>(threads), 0.0);
    const auto run = [&](int thread) {
        Annealer annealer(request, result.searchedIfDrawn, budget,
                          options.seed + static_cast<std::uint64_t>(thread) * 0x9E3779B97F4A7C15ULL, bound, shared);
        found[static_cast<std::size_t>(thread)] = annealer.Run(progress, thread == 0);
        secondsToBest[static_cast<std::size_t>(thread)] = annealer.SecondsToBest();
    };
    if (threads == 2) {
        std::thread second(run, 1);
        run(0);
        second.join();
    } else {
        run(0);
    }
    for (std::size_t t = 0; t < found.size(); ++t) {
        if (result.rows.empty() || found[t].size() < result.rows.size()) {
            result.rows = found[t];
            result.secondsToBest = secondsToBest[t];
        }
    }
    std::sort(result.rows.begin(), result.rows.end(), RowBefore);
    result.cancelled = cancel != nullptr && cancel->load();
    result.steps = shared.steps.load();
    return result;
}

} // namespace qv
