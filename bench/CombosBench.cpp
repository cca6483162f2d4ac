// The combination run and search: the literal methods against the program's, and the program's run
// against the work no run can avoid (counting each draw's own subsets, one pass over all counts).
// Prints a table of ratios after the usual benchmark output.

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/analysis/ComboSearch.h"
#include "engine/analysis/Processor.h"
#include "engine/draws/DrawImport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <malloc.h>
#include <map>
#include <new>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <time.h>
#include <vector>

#ifdef QV_X86_RUNTIME_CHOICE
#include <immintrin.h>
#endif

// Heap use of the process, to report the peak of one run.
namespace {
std::atomic<std::size_t> g_liveBytes{0};
std::atomic<std::size_t> g_peakBytes{0};

void* Allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    const std::size_t live = g_liveBytes += malloc_usable_size(p);
    std::size_t peak = g_peakBytes.load();
    while (live > peak && !g_peakBytes.compare_exchange_weak(peak, live)) {
    }
    return p;
}

void Release(void* p) noexcept {
    if (p != nullptr) {
        g_liveBytes -= malloc_usable_size(p);
        std::free(p);
    }
}
} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    Release(p);
}

namespace qv {
namespace {

std::vector<NumberSet> RealDraws(std::size_t count) {
    static const std::vector<NumberSet> all = [] {
        std::ifstream file(QV_REAL_DRAWS_CSV, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        std::vector<NumberSet> sets;
        for (const TGewZahlen& draw : ParseDrawHistory(text.str()).draws) {
            sets.push_back(draw.Numbers());
        }
        return sets;
    }();
    if (all.size() < count) {
        std::cerr << "real draw history missing or too short: " << QV_REAL_DRAWS_CSV << '\n';
        std::exit(1);
    }
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<NumberSet> SyntheticDraws(std::size_t count) {
    std::mt19937 random(20240801);
    std::vector<int> numbers(70);
    for (int n = 1; n <= 70; ++n) {
        numbers[n - 1] = n;
    }
    std::vector<NumberSet> sets;
    for (std::size_t i = 0; i < count; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        NumberSet draw;
        for (int j = 0; j < 20; ++j) {
            draw.Add(numbers[j]);
        }
        sets.push_back(draw);
    }
    return sets;
}

std::vector<NumberSet> Draws(const std::string& source, std::size_t count) {
    return source == "real" ? RealDraws(count) : SyntheticDraws(count);
}

// The peak heap growth during one call, in MB.
template <class F>
double PeakMegabytes(F&& f) {
    const std::size_t before = g_liveBytes.load();
    g_peakBytes = before;
    f();
    return static_cast<double>(g_peakBytes.load() - before) / 1e6;
}

void RunLiteral(benchmark::State& state, int k, const std::string& source, std::size_t count) {
    const std::vector<NumberSet> draws = Draws(source, count);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCombinationsLiteral(k, draws));
    }
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Also the CPU time of the calling thread (it keeps the lists and counts blocks too), per run: the rest
// of the process's CPU time is the helper thread's.
void RunProgram(benchmark::State& state, int k, const std::string& source, std::size_t count) {
    const std::vector<NumberSet> draws = Draws(source, count);
    double peak = 0;
    double caller = 0;
    for (auto _ : state) {
        const double before = ThreadCpuSeconds();
        peak = PeakMegabytes([&] { benchmark::DoNotOptimize(RunCombinations(k, draws)); });
        caller += ThreadCpuSeconds() - before;
    }
    state.counters["peak_MB"] = peak;
    state.counters["caller_CPU_s"] = benchmark::Counter(caller, benchmark::Counter::kAvgIterations);
}

// The fastest plain counting we know, as the yardstick for the program's run: one thread, counts only
// (no lists). The combinations are visited in rank order; a draw list is a row of bits per number,
// compacted as each number of the combination is fixed, and the last two numbers are counted by the
// bits two rows share (KernelCounting.inc). Everything but the first rows stays in the first-level
// cache. With the processor's bit instructions where it has them, as the program uses them.
constexpr int kMaxWords = 100000 / 64 + 1;

namespace portable {
inline int Popcount(std::uint64_t x) {
    return __builtin_popcountll(x);
}
inline std::uint64_t Pext(std::uint64_t x, std::uint64_t m) {
    std::uint64_t r = 0;
    for (std::uint64_t bit = 1; m != 0; bit <<= 1, m &= m - 1) {
        r |= (x & m & -m) != 0 ? bit : 0;
    }
    return r;
}
#include "KernelCounting.inc"
} // namespace portable

// The kernel uses the processor's own instructions where the program may (engine/analysis/Processor.h).
#ifdef QV_X86_RUNTIME_CHOICE
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("popcnt,bmi2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("popcnt,bmi2")
#endif
namespace fast {
inline int Popcount(std::uint64_t x) {
    return static_cast<int>(_mm_popcnt_u64(x));
}
inline std::uint64_t Pext(std::uint64_t x, std::uint64_t m) {
    return _pext_u64(x, m);
}
#include "KernelCounting.inc"
} // namespace fast
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
// Whether the processor has popcnt and bmi2.
bool FastKernel() {
    return __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi2");
}
#else
namespace fast = portable;
bool FastKernel() {
    return false;
}
#endif

class KernelCounter {
public:
    KernelCounter(int k, std::span<const NumberSet> draws)
        : m_k(k)
        , m_fast(FastKernel()) {
        const int words = static_cast<int>((draws.size() + 63) / 64);
        for (auto& level : m_levels) {
            level.assign(static_cast<std::size_t>(71 * std::max(words, 1)), 0);
        }
        m_words[0] = words;
        for (std::size_t d = 0; d < draws.size(); ++d) {
            draws[d].ForEach([&](int n) {
                if (n >= 1 && n <= 70) {
                    m_levels[0][static_cast<std::size_t>(n * words) + d / 64] |= std::uint64_t{1} << (d % 64);
                }
            });
        }
    }

    // Counts every combination; the memory barrier after each block keeps the compiler from dropping
    // any count, and the last count of each block is summed so that there is a result.
    std::uint64_t Run() {
        std::uint64_t sum = 0;
        auto fold = [&sum](const std::uint32_t* counts, std::size_t size) {
            benchmark::ClobberMemory();
            sum += counts[size - 1];
        };
        Descend(fold);
        return sum;
    }

    // The sum over all combinations of count x (rank + 1), wrapping: equal sums mean equal counts in
    // practice. Used to check the kernel, not timed.
    std::uint64_t WeightedSum() {
        std::uint64_t sum = 0;
        std::uint64_t rank = 0;
        auto fold = [&sum, &rank](const std::uint32_t* counts, std::size_t size) {
            for (std::size_t i = 0; i < size; ++i) {
                sum += static_cast<std::uint64_t>(counts[i]) * ++rank;
            }
        };
        Descend(fold);
        return sum;
    }

private:
    template <class Fold>
    void Descend(Fold& fold) {
        std::array<std::uint64_t*, 5> levels{};
        for (std::size_t l = 0; l < levels.size(); ++l) {
            levels[l] = m_levels[l].data();
        }
        if (m_fast) {
            fast::Descend(m_k, 0, 1, levels.data(), m_words.data(), m_block.data(), fold);
        } else {
            portable::Descend(m_k, 0, 1, levels.data(), m_words.data(), m_block.data(), fold);
        }
    }

    int m_k;
    bool m_fast;
    std::array<std::vector<std::uint64_t>, 5> m_levels;
    std::array<int, 5> m_words{};
    std::array<std::uint32_t, 70 * 69 / 2> m_block{};
};

// The same checksum from the engine's count of every combination.
std::uint64_t Checksum(const std::vector<std::uint32_t>& counts) {
    std::uint64_t sum = 0;
    for (std::size_t r = 0; r < counts.size(); ++r) {
        sum += static_cast<std::uint64_t>(counts[r]) * (r + 1);
    }
    return sum;
}

void RunKernel(benchmark::State& state, int k, const std::string& source, std::size_t count) {
    const std::vector<NumberSet> draws = Draws(source, count);
    KernelCounter kernel(k, draws);
    if (kernel.WeightedSum() != Checksum(CountAllCombinations(k, draws))) {
        state.SkipWithError("the kernel's counts differ from the engine's");
        return;
    }
    double peak = 0;
    for (auto _ : state) {
        peak = PeakMegabytes([&] { benchmark::DoNotOptimize(kernel.Run()); });
    }
    state.counters["peak_MB"] = peak;
}

// A pool of 20 numbers and combinations of 10: 184756 combinations per draw.
const NumberSet kPool20 = {3, 7, 11, 14, 19, 22, 25, 28, 33, 36, 40, 43, 47, 50, 54, 58, 61, 64, 67, 70};

void SearchLiteral(benchmark::State& state, std::size_t count) {
    const std::vector<NumberSet> draws = RealDraws(count);
    for (auto _ : state) {
        const CombinationList list = BuildCombinationList(kPool20, 10);
        benchmark::DoNotOptimize(SearchCombinationsLiteral(list.sets, draws));
    }
}

void SearchProgram(benchmark::State& state, std::size_t count) {
    const std::vector<NumberSet> draws = RealDraws(count);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SearchCombinations(kPool20, 10, draws));
    }
}

// Remembers the time of every benchmark for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // With --benchmark_repetitions, the table takes the least wall-clock and the least CPU time of each
    // case: the machine's other work only ever adds to a time.
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const std::string& name = run.run_name.function_name;
                const double wall = run.GetAdjustedRealTime() * TimeFactor(run.time_unit);
                const double cpu = run.GetAdjustedCPUTime() * TimeFactor(run.time_unit);
                // The busier thread: the calling one or the rest of the process.
                double busier = cpu;
                if (const auto caller = run.counters.find("caller_CPU_s"); caller != run.counters.end()) {
                    busier = std::max(caller->second.value, cpu - caller->second.value);
                }
                if (m_seconds.count(name) == 0) {
                    m_seconds[name] = wall;
                    m_cpuSeconds[name] = cpu;
                    m_busierSeconds[name] = busier;
                    m_order.push_back(name);
                }
                m_seconds[name] = std::min(m_seconds[name], wall);
                m_cpuSeconds[name] = std::min(m_cpuSeconds[name], cpu);
                m_busierSeconds[name] = std::min(m_busierSeconds[name], busier);
            }
        }
    }

    // One row per case: the program's time beside its literal baseline and beside the kernel. Wall-clock
    // times, since the program's run of four and five numbers counts on two threads, and beside them the
    // CPU time of the whole process (kernel's, then program / kernel), and the CPU time of the program's
    // busier thread against the kernel's: what the wall-clock ratio comes to when both cores are free.
    void PrintTable() const {
        std::printf("\n| case | program | literal | literal / program | kernel | program / kernel | kernel CPU | "
                    "CPU: program / kernel | busier thread's CPU / kernel CPU |\n");
        std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
        for (const std::string& name : m_order) {
            const std::string suffix = "/program";
            if (name.size() < suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
                continue;
            }
            const std::string base = name.substr(0, name.size() - suffix.size());
            const double program = m_seconds.at(name);
            std::printf("| %s | %s |", base.c_str(), Seconds(program).c_str());
            if (const auto literal = m_seconds.find(base + "/literal"); literal != m_seconds.end()) {
                std::printf(" %s | %.0f |", Seconds(literal->second).c_str(), literal->second / program);
            } else {
                std::printf(" – | – |");
            }
            if (const auto kernel = m_seconds.find(base + "/kernel"); kernel != m_seconds.end()) {
                const double cpuRatio = m_cpuSeconds.at(name) / m_cpuSeconds.at(base + "/kernel");
                const double busierRatio = m_busierSeconds.at(name) / m_cpuSeconds.at(base + "/kernel");
                std::printf(" %s | %.2f | %s | %.2f | %.2f |\n", Seconds(kernel->second).c_str(),
                            program / kernel->second, Seconds(m_cpuSeconds.at(base + "/kernel")).c_str(), cpuRatio,
                            busierRatio);
            } else {
                std::printf(" – | – | – | – | – |\n");
            }
        }
    }

private:
    static double TimeFactor(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-9;
        case benchmark::kMicrosecond:
            return 1e-6;
        case benchmark::kMillisecond:
            return 1e-3;
        default:
            return 1;
        }
    }

    static std::string Seconds(double s) {
        char text[32];
        if (s >= 1) {
            std::snprintf(text, sizeof text, "%.2f s", s);
        } else if (s >= 1e-3) {
            std::snprintf(text, sizeof text, "%.2f ms", s * 1e3);
        } else {
            std::snprintf(text, sizeof text, "%.1f µs", s * 1e6);
        }
        return text;
    }

    std::map<std::string, double> m_seconds;
    std::map<std::string, double> m_cpuSeconds;
    std::map<std::string, double> m_busierSeconds;
    std::vector<std::string> m_order;
};

void RegisterAll() {
    using benchmark::RegisterBenchmark;
    const auto name = [](int k, const std::string& source, std::size_t count, const char* method) {
        return "Run/k" + std::to_string(k) + "/" + source + std::to_string(count) + "/" + method;
    };
    // Against the literal run: the first 1000 real draws.
    for (int k = 2; k <= 5; ++k) {
        const std::size_t count = 1000;
        RegisterBenchmark(name(k, "real", count, "literal").c_str(), RunLiteral, k, std::string("real"), count)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(k >= 4 ? 1 : 3);
        RegisterBenchmark(name(k, "real", count, "program").c_str(), RunProgram, k, std::string("real"), count)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
        RegisterBenchmark(name(k, "real", count, "kernel").c_str(), RunKernel, k, std::string("real"), count)
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime()
            ->UseRealTime();
    }
    // Against the kernel: the whole real history and 10000 synthetic draws.
    for (const auto& [source, count] :
         {std::pair{std::string("real"), std::size_t{6884}}, std::pair{std::string("synthetic"), std::size_t{10000}}}) {
        for (int k = 2; k <= 5; ++k) {
            RegisterBenchmark(name(k, source, count, "program").c_str(), RunProgram, k, source, count)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
            RegisterBenchmark(name(k, source, count, "kernel").c_str(), RunKernel, k, source, count)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime();
        }
    }
    RegisterBenchmark("Search/pool20-size10/real1000/literal", SearchLiteral, std::size_t{1000})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    RegisterBenchmark("Search/pool20-size10/real1000/program", SearchProgram, std::size_t{1000})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    qv::RegisterAll();
    qv::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintTable();
    benchmark::Shutdown();
    return 0;
}
