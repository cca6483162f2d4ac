// Runs the literal method and the program's method over whole histories and compares every entry of
// both lists. Too slow for the test suite at k = 5 (about 20 s per history of 1000 draws), so run on
// demand: qv_combos_identity [K ...] (default 5). Exits with 1 when a list differs.

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/draws/DrawImport.h"
#include "support/TestHistories.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

using testing::History;

std::vector<NumberSet> RealDraws(std::size_t count) {
    std::ifstream file(QV_REAL_DRAWS_CSV, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<NumberSet> sets;
    for (const TGewZahlen& draw : ParseDrawHistory(text.str()).draws) {
        if (sets.size() == count) {
            break;
        }
        sets.push_back(draw.Numbers());
    }
    if (sets.size() < count) {
        std::fprintf(stderr, "real draw history missing or too short: %s\n", QV_REAL_DRAWS_CSV);
        std::exit(2);
    }
    return sets;
}

std::vector<History> Histories() {
    std::mt19937 random(20240801);
    const std::vector<NumberSet> real = RealDraws(1000);
    std::vector<History> histories;
    histories.push_back({"one draw", {real.front()}});
    histories.push_back({"one draw 40 times", std::vector<NumberSet>(40, real.front())});
    History narrow{"30 draws of only 25 numbers", {}};
    for (int i = 0; i < 30; ++i) {
        narrow.draws.push_back(testing::RandomDraw(random, 25));
    }
    histories.push_back(narrow);
    histories.push_back({"50 real draws", {real.begin(), real.begin() + 50}});
    histories.push_back({"1000 real draws", real});
    return histories;
}

// The number of differing entries of two lists (a list of the wrong length counts as all different).
std::size_t Differences(const std::vector<ComboEntry>& a, const std::vector<ComboEntry>& b) {
    if (a.size() != b.size()) {
        return std::max(a.size(), b.size());
    }
    std::size_t differ = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        differ += a[i] == b[i] ? 0 : 1;
    }
    return differ;
}

std::size_t FilledEntries(const std::vector<ComboEntry>& list) {
    std::size_t filled = 0;
    for (const ComboEntry& entry : list) {
        filled += entry.set.Empty() ? 0 : 1;
    }
    return filled;
}

} // namespace
} // namespace qv

int main(int argc, char** argv) {
    using namespace qv;
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) {
        const int k = std::atoi(argv[i]);
        if (k < kMinRunSize || k > kMaxRunSize) {
            std::fprintf(stderr, "usage: qv_combos_identity [K ...]   (K from 2 to 5, default 5)\n");
            return 2;
        }
        sizes.push_back(k);
    }
    if (sizes.empty()) {
        sizes.push_back(5);
    }
    bool allSame = true;
    for (const History& history : Histories()) {
        for (int k : sizes) {
            const auto t0 = std::chrono::steady_clock::now();
            const ComboRunResult literal = RunCombinationsLiteral(k, history.draws);
            const auto t1 = std::chrono::steady_clock::now();
            const ComboRunResult program = RunCombinations(k, history.draws);
            const auto t2 = std::chrono::steady_clock::now();
            const std::size_t topsDiffer = Differences(program.tops, literal.tops);
            const std::size_t flopsDiffer = Differences(program.flops, literal.flops);
            const bool same = topsDiffer == 0 && flopsDiffer == 0 && !program.cancelled && !literal.cancelled;
            allSame = allSame && same;
            std::printf("k=%d %-28s %s  tops %zu filled, %zu differ; flops %zu filled, %zu differ; "
                        "top count %d, flops count %d..%d; literal %.2f s, program %.2f ms\n",
                        k, history.name.c_str(), same ? "same" : "DIFFERENT", FilledEntries(literal.tops), topsDiffer,
                        FilledEntries(literal.flops), flopsDiffer, literal.tops.front().count,
                        literal.flops.front().count, literal.flops.back().count,
                        std::chrono::duration<double>(t1 - t0).count(),
                        std::chrono::duration<double, std::milli>(t2 - t1).count());
            std::fflush(stdout);
        }
    }
    std::printf(allSame ? "all lists identical\n" : "lists differ\n");
    return allSame ? 0 : 1;
}
