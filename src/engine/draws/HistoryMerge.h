#pragma once

#include "engine/core/Records.h"

#include <cstddef>
#include <span>
#include <vector>

namespace qv {

// A draw of an imported file whose date the history holds already: it is not taken. sameNumbers tells
// whether the history's draw of that day has the same 20 numbers (a harmless overlap) or others (one of
// the two is wrong, and the player should look).
struct DoubledImport {
    TDate date = 0;
    bool sameNumbers = false;
    bool operator==(const DoubledImport&) const = default;
};

struct MergedHistory {
    std::vector<TGewZahlen> draws;      // the history after the import
    std::size_t added = 0;              // draws of the import that were taken
    std::vector<DoubledImport> doubled; // draws of the import that were not, in the import's order
};

// Adds the imported draws whose day the history lacks. The history's own draws keep their order and
// content. In a history kept in date order (as the program keeps it) each new draw goes to its day, so
// missing days are filled in; a history out of order gets the new draws at its end.
MergedHistory MergeDrawHistory(std::span<const TGewZahlen> history, std::span<const TGewZahlen> imported);

// Days without a draw between two neighbouring draws of a daily history.
struct HistoryGap {
    TDate after = 0;  // the draw before the gap
    TDate before = 0; // the draw after it
    int missingDays = 0;
    bool operator==(const HistoryGap&) const = default;
};

struct HistoryCheck {
    std::vector<HistoryGap> gaps;    // in list order
    std::vector<TDate> doubledDates; // each date that more than one draw carries, ascending
};

// The gaps and doubled dates of a history in its list order. Dates that are no calendar days are left
// out of both (the store keeps them as read).
HistoryCheck CheckDailyHistory(std::span<const TGewZahlen> draws);

// The gaps that touch the days first to last, the span of an import: a long history may miss many old
// days (a game without Sunday draws in its early years), which are not the import's news.
std::vector<HistoryGap> GapsAround(std::span<const HistoryGap> gaps, TDate first, TDate last);

// Whether the gap is one Sunday alone: in years when the game drew on six days a week every Sunday is
// such a gap, which says nothing about draws missing from the history.
bool IsLoneSunday(const HistoryGap& gap);

} // namespace qv
