#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/core/GameTables.h"

#include <array>
#include <memory>

// The run exactly as the program has always done it: every combination tested against every draw,
// both lists kept by shifting.

namespace qv {
namespace {

using LiteralList = std::array<ComboEntry, kListCapacity>;

// Inserts at position capacity - m, where m counts the entries from the end that pass the test; the
// entries from there move one place down and the last one drops out.
template <class Passes>
bool InsertByShifting(LiteralList& list, const NumberSet& set, std::int32_t count, Passes passes) {
    int m = 0;
    while (m < kListCapacity && passes(list[kListCapacity - 1 - m].count)) {
        ++m;
    }
    if (m == 0) {
        return false;
    }
    const int pos = kListCapacity - m;
    for (int i = kListCapacity - 1; i > pos; --i) {
        list[i] = list[i - 1];
    }
    list[pos] = {set, count};
    return true;
}

// Offers a combination to the tops list and, only if it does not enter there, to the flops list.
void OfferLiteral(LiteralList& tops, LiteralList& flops, const NumberSet& set, std::int32_t count) {
    if (!InsertByShifting(tops, set, count, [count](std::int32_t e) { return e < count; })) {
        InsertByShifting(flops, set, count, [count](std::int32_t e) { return e >= count; });
    }
}

void ClearLiteral(LiteralList& tops, LiteralList& flops) {
    tops.fill({{}, 0});
    flops.fill({{}, kFreeFlopsCount});
}

} // namespace

ComboRunResult RunCombinationsLiteral(int k, const std::vector<NumberSet>& periodSets, const WorkControl& control) {
    CheckRunSize(k);
    auto topsList = std::make_unique<LiteralList>();
    auto flopsList = std::make_unique<LiteralList>();
    LiteralList& tops = *topsList;
    LiteralList& flops = *flopsList;
    ClearLiteral(tops, flops);
    const std::uint64_t interval = RunProgressInterval(k);
    std::uint64_t counter = 0;

    // Positions 0 to 69 of the numbers 1 to 70.
    std::array<int, kMaxRunSize> positions{};
    const std::span<int> combinationPositions(positions.data(), static_cast<std::size_t>(k));
    for (int j = 0; j < k; ++j) {
        positions[j] = j;
    }
    do {
        ++counter;
        if (counter % interval == 0 && control.progress) {
            control.progress(counter);
        }
        NumberSet combination;
        for (const int p : combinationPositions) {
            combination.Add(p + 1);
        }
        std::int32_t count = 0;
        for (const NumberSet& draw : periodSets) {
            if ((combination & draw) == combination) {
                ++count;
            }
        }
        if (control.Cancelled()) {
            return {true, {}, {}};
        }
        OfferLiteral(tops, flops, combination, count);
    } while (NextCombination(combinationPositions, kNumbersInGame));
    return {false, {tops.begin(), tops.end()}, {flops.begin(), flops.end()}};
}

ComboRunResult KeepListsLiteral(int k, std::span<const std::uint32_t> counts) {
    CheckRunSize(k);
    CheckCountsLength(k, counts);
    auto tops = std::make_unique<LiteralList>();
    auto flops = std::make_unique<LiteralList>();
    ClearLiteral(*tops, *flops);
    for (std::size_t r = 0; r < counts.size(); ++r) {
        OfferLiteral(*tops, *flops, CombinationAt(k, r), static_cast<std::int32_t>(counts[r]));
    }
    return {false, {tops->begin(), tops->end()}, {flops->begin(), flops->end()}};
}

} // namespace qv
