#include "engine/analysis/ComboSearch.h"

#include "engine/analysis/Combinations.h"

#include <array>

namespace qv {

SearchResult SearchWholePool(const NumberSet& pool, std::vector<NumberSet> periodSets, const WorkControl& control) {
    SearchResult result;
    for (std::size_t d = 0; d < periodSets.size(); ++d) {
        if ((pool & periodSets[d]) == pool) {
            result.rows.push_back({static_cast<int>(d), true, pool});
        }
        if (control.progress) {
            control.progress(d);
        }
        if (control.Cancelled() && d + 1 < periodSets.size()) {
            result.cancelled = true;
            break;
        }
    }
    return result;
}

SearchResult SearchCombinationsLiteral(const std::vector<NumberSet>& list, std::vector<NumberSet> periodSets,
                                       const WorkControl& control) {
    SearchResult result;
    for (std::size_t d = 0; d < periodSets.size(); ++d) {
        if (control.progress) {
            control.progress(d);
        }
        if (control.Cancelled()) {
            result.cancelled = true;
            break;
        }
        bool first = true;
        for (const NumberSet& combination : list) {
            if ((combination & periodSets[d]) == combination) {
                result.rows.push_back({static_cast<int>(d), first, combination});
                first = false;
            }
        }
    }
    return result;
}

SearchResult SearchCombinations(const NumberSet& pool, int k, std::vector<NumberSet> periodSets,
                                const WorkControl& control) {
    SearchResult result;
    if (k < 1 || k > kMaxPoolCount) {
        return result;
    }
    std::array<int, 256> shared{};
    std::array<int, kMaxPoolCount> pos{};
    for (std::size_t d = 0; d < periodSets.size(); ++d) {
        if (control.progress) {
            control.progress(d);
        }
        if (control.Cancelled()) {
            result.cancelled = true;
            break;
        }
        int m = 0;
        (pool & periodSets[d]).ForEach([&](int n) { shared[m++] = n; });
        if (m < k) {
            continue;
        }
        // The k-subsets of the shared numbers in lexicographic order: the pool's list order.
        for (int j = 0; j < k; ++j) {
            pos[j] = j;
        }
        bool first = true;
        while (true) {
            NumberSet match;
            for (int j = 0; j < k; ++j) {
                match.Add(shared[pos[j]]);
            }
            result.rows.push_back({static_cast<int>(d), first, match});
            first = false;
            if (!NextCombination(std::span(pos).first(static_cast<std::size_t>(k)), m)) {
                break;
            }
        }
    }
    return result;
}

std::string HitCountText(SearchMode mode, std::size_t hits) {
    if (mode == SearchMode::WholePool) {
        return hits == 0 ? "Kombination ist nicht aufgetreten" : "Kombinationshäufigkeit: " + std::to_string(hits);
    }
    return hits == 0 ? "Keine der Kombinationen ist aufgetreten" : "Kombinationenhäufigkeit: " + std::to_string(hits);
}

std::string SearchPeriodText(std::size_t draws) {
    return "  Suchergebnis für " + std::to_string(draws) + " Ausspielungen:";
}

} // namespace qv
