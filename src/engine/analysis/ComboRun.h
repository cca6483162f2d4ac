#pragma once

#include "engine/core/NumberSet.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace qv {

// The exhaustive run: every combination of k numbers out of 1 to 70 (k = 2 to 5, in lexicographic
// order, see Combinations.h) is counted against the draws of a period, and two lists of 1000 entries
// are kept while the combinations are offered in that order:
//  - tops: ordered by count, highest first. A combination enters when its count is above that of the
//    last entry, right after every entry with at least its count; the last entry drops out. So count 0
//    never enters and among equal counts the earlier combination keeps the better place.
//  - flops: ordered by count, lowest first; offered only what did not enter the tops. A combination
//    enters when its count is at most that of the last entry, right before every entry with at least
//    its count; the last entry drops out. So among equal counts the later combination stands first.
// Free entries hold the empty set and count 0 (tops) or 1000000 (flops).
inline constexpr int kListCapacity = 1000;
inline constexpr std::int32_t kFreeFlopsCount = 1000000;

struct ComboEntry {
    NumberSet set;
    std::int32_t count = 0;
    bool operator==(const ComboEntry&) const = default;
};

struct ComboRunResult {
    bool cancelled = false; // then both lists are empty
    std::vector<ComboEntry> tops;
    std::vector<ComboEntry> flops;
};

// Progress and cancelling of a long computation. progress (may be empty) gets the number of items done
// so far; cancel (may be null) is read before the next item after each progress call and stops the
// work there, without recording that item. threads: 0 lets the computation choose how many threads
// it uses (two where that pays off and the machine has a second core), 1 or 2 fixes it.
struct WorkControl {
    std::function<void(std::uint64_t done)> progress;
    const std::atomic<bool>* cancel = nullptr;
    int threads = 0;

    bool Cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
};

// How often the run reports: every combination for k = 2, every 100th for k = 3, every 2000th for
// k = 4 and 5, so that the reports do not dominate the run.
std::uint64_t RunProgressInterval(int k);

// The run exactly as the program has always done it: every combination tested against every draw
// (one set intersection per check), both lists kept by shifting. Slow; the reference for the tests and
// the baseline of the benchmarks. The progress counter is reported after it is increased and before
// the combination is counted; the cancel flag is read after counting.
ComboRunResult RunCombinationsLiteral(int k, const std::vector<NumberSet>& periodSets, const WorkControl& control = {});

// The program's run: the same lists, computed from each draw's own subsets (a count per combination,
// filled block by block in lexicographic order) and bounded heaps for the lists. Progress is reported
// at the same counter values as the literal run, and a cancel seen at a report stops it there.
ComboRunResult RunCombinations(int k, std::vector<NumberSet> periodSets, const WorkControl& control = {});

// The lists that offering counts[r] for every rank r in order leaves behind: shifted like the literal
// run, or kept like the program's run. counts may stop before the last combination.
ComboRunResult KeepListsLiteral(int k, std::span<const std::uint32_t> counts);
ComboRunResult KeepLists(int k, std::span<const std::uint32_t> counts);

// The count of every combination of size k (indexed by rank) over the draws: how many draws hold all
// its numbers. Numbers outside 1 to 70 in a draw are ignored.
std::vector<std::uint32_t> CountAllCombinations(int k, std::span<const NumberSet> draws);

// The figures shown before a run over b draws: the expected count of one combination,
// b * C(20, k) / C(70, k) (the product taken in 64-bit integers first), and the number of
// combination-against-draw checks of the literal method, C(70, k) * b.
double ExpectedCount(int k, std::uint64_t b);
std::uint64_t CheckCount(int k, std::uint64_t b);

} // namespace qv
