#pragma once

#include "engine/analysis/ComboRun.h"
#include "engine/core/NumberSet.h"

#include <string>
#include <vector>

namespace qv {

// The search of the analysis window: which draws of a period hold the whole number pool, or which hold
// any k-subset of it. Each hit is a result row showing the draw with the matching numbers highlighted.
enum class SearchMode {
    WholePool,
    Combinations,
};

// The pool holds at most this many numbers.
inline constexpr int kMaxPoolCount = 20;

inline constexpr const char* kPoolFullText = "Bitte wählen Sie maximal zwanzig Zahlen über das Zahlenfeld, nach denen "
                                             "gesucht werden soll.\r\rIch breche erst einmal ab.";
inline constexpr const char* kWholePoolTooSmallText = "Bitte wählen Sie mindestens zwei Zahlen über das Zahlenfeld, "
                                                      "nach denen gesucht werden soll.\r\rIch breche erst einmal ab.";

// One result row: the draw (its offset in the period), whether the row shows the draw's date (only the
// first row of a draw does in a combination search) and the numbers it highlights.
struct SearchRow {
    int offset = 0;
    bool showDate = true;
    NumberSet match;
    bool operator==(const SearchRow&) const = default;
};

struct SearchResult {
    bool cancelled = false;
    std::vector<SearchRow> rows;
};

// Progress of a search counts draws: WholePool reports the offset after each draw, Combinations before
// it; a cancel seen at a report stops the search before its next draw.

// The draws that hold every number of the pool (the caller refuses pools of fewer than two numbers).
SearchResult SearchWholePool(const NumberSet& pool, std::vector<NumberSet> periodSets, const WorkControl& control = {});

// Every combination of the list tested against every draw, in list order within each draw: the
// reference for SearchCombinations.
SearchResult SearchCombinationsLiteral(const std::vector<NumberSet>& list, std::vector<NumberSet> periodSets,
                                       const WorkControl& control = {});

// The same rows for the list BuildCombinationList(pool, k) builds, found from the numbers each draw
// shares with the pool: only the k-subsets of pool ∩ draw are visited, in list order.
SearchResult SearchCombinations(const NumberSet& pool, int k, std::vector<NumberSet> periodSets,
                                const WorkControl& control = {});

// "Kombinationshäufigkeit: h" and the like, under the result grid.
std::string HitCountText(SearchMode mode, std::size_t hits);
// "  Suchergebnis für N Ausspielungen:", over the result grid.
std::string SearchPeriodText(std::size_t draws);

} // namespace qv
