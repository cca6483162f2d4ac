#pragma once

#include "engine/core/Records.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qv {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CivilDate&) const = default;
};

// Day 0 of the program's dates is 30 December 1899 (proleptic Gregorian calendar).
TDate ToTDate(const CivilDate& date);
// The calendar day of date (its fraction of a day ignored); {0, 0, 0} for a date that is no calendar
// day (see IsCalendarDay), which is no valid date.
CivilDate ToCivilDate(TDate date);
// Whether date lies within the program's calendar, 1 January 1 to 31 December 9999. A draw file may
// hold anything in its date bytes: not-a-number, infinities, days far beyond any calendar.
bool IsCalendarDay(TDate date);
// A date as a text for people: "" for a calendar day (the caller formats those), otherwise what the
// stored value is, "(kein Datum)" for not-a-number, else "(Tag 1e+300)" with the day number.
std::string OutOfCalendarText(TDate date);
bool IsValidCivilDate(const CivilDate& date);

// Reads "2004-02-02" (ISO) or "02.02.2004" (German, one- or two-digit day and month); nothing else.
std::optional<CivilDate> ParseFixedDate(std::string_view text);

// The position of the date in dates nearest to day, counting whole days; entries that are no calendar
// day are passed over. Of two dates equally near, the earlier one wins (a typed day between two draws
// picks the draw before it); of equal dates, the first. Nothing when no entry is a calendar day.
std::optional<std::size_t> NearestDate(std::span<const TDate> dates, TDate day);

} // namespace qv
