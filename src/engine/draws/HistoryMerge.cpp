#include "engine/draws/HistoryMerge.h"

#include "engine/core/Dates.h"
#include "engine/core/GameTables.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <map>

namespace qv {
namespace {

bool SameNumbers(const TGewZahlen& a, const TGewZahlen& b) {
    return a.Numbers() == b.Numbers();
}

bool InDateOrder(std::span<const TGewZahlen> draws) {
    return std::all_of(draws.begin(), draws.end(), [](const TGewZahlen& d) { return IsCalendarDay(d.datum); }) &&
           std::is_sorted(draws.begin(), draws.end(),
                          [](const TGewZahlen& a, const TGewZahlen& b) { return a.datum < b.datum; });
}

} // namespace

MergedHistory MergeDrawHistory(std::span<const TGewZahlen> history, std::span<const TGewZahlen> imported) {
    MergedHistory result;
    // The first draw of each day in the history; a day held twice stays as it is.
    std::map<TDate, const TGewZahlen*> byDate;
    for (const TGewZahlen& draw : history) {
        if (IsCalendarDay(draw.datum)) { // not-a-number has no place in an ordered map
            byDate.emplace(draw.datum, &draw);
        }
    }
    std::vector<TGewZahlen> fresh;
    for (const TGewZahlen& draw : imported) {
        const auto known = IsCalendarDay(draw.datum) ? byDate.find(draw.datum) : byDate.end();
        if (known != byDate.end()) {
            result.doubled.push_back({draw.datum, SameNumbers(*known->second, draw)});
            continue;
        }
        fresh.push_back(draw);
        if (IsCalendarDay(draw.datum)) {
            byDate.emplace(draw.datum, &draw);
        }
    }
    result.added = fresh.size();
    result.draws.reserve(history.size() + fresh.size());
    if (InDateOrder(history) && InDateOrder(fresh)) {
        std::merge(history.begin(), history.end(), fresh.begin(), fresh.end(), std::back_inserter(result.draws),
                   [](const TGewZahlen& a, const TGewZahlen& b) { return a.datum < b.datum; });
    } else {
        result.draws.assign(history.begin(), history.end());
        result.draws.insert(result.draws.end(), fresh.begin(), fresh.end());
    }
    return result;
}

HistoryCheck CheckDailyHistory(std::span<const TGewZahlen> draws) {
    HistoryCheck check;
    const TGewZahlen* previous = nullptr;
    std::vector<TDate> dates;
    for (const TGewZahlen& draw : draws) {
        if (!IsCalendarDay(draw.datum)) {
            previous = nullptr;
            continue;
        }
        dates.push_back(draw.datum);
        if (previous != nullptr && draw.datum - previous->datum > 1) {
            const double missing = draw.datum - previous->datum - 1;
            check.gaps.push_back({previous->datum, draw.datum, static_cast<int>(std::min<double>(missing, INT_MAX))});
        }
        previous = &draw;
    }
    std::sort(dates.begin(), dates.end());
    for (std::size_t i = 1; i < dates.size(); ++i) {
        if (dates[i] == dates[i - 1] && (check.doubledDates.empty() || check.doubledDates.back() != dates[i])) {
            check.doubledDates.push_back(dates[i]);
        }
    }
    return check;
}

std::vector<HistoryGap> GapsAround(std::span<const HistoryGap> gaps, TDate first, TDate last) {
    std::vector<HistoryGap> near;
    std::copy_if(gaps.begin(), gaps.end(), std::back_inserter(near),
                 [first, last](const HistoryGap& gap) { return gap.before >= first && gap.after <= last; });
    return near;
}

bool IsLoneSunday(const HistoryGap& gap) {
    // Day 0 of the date count, 30 December 1899, was a Saturday: day 1 and every seventh after it a Sunday.
    const auto day = static_cast<long long>(std::floor(gap.after)) + 1;
    return gap.missingDays == 1 && ((day % 7) + 7) % 7 == 1;
}

} // namespace qv
