#pragma once

#include "engine/core/Records.h"

#include <optional>
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
CivilDate ToCivilDate(TDate date);
bool IsValidCivilDate(const CivilDate& date);

// Reads "2004-02-02" (ISO) or "02.02.2004" (German, one- or two-digit day and month); nothing else.
std::optional<CivilDate> ParseFixedDate(std::string_view text);

} // namespace qv
