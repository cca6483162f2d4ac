#include "engine/core/Dates.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace qv {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

const long long kDay0 = DaysFromCivil(1899, 12, 30);

std::optional<int> ParseDigits(std::string_view text, std::size_t minLen, std::size_t maxLen) {
    if (text.size() < minLen || text.size() > maxLen) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

TDate ToTDate(const CivilDate& date) {
    return static_cast<TDate>(DaysFromCivil(date.year, date.month, date.day) - kDay0);
}

bool IsCalendarDay(TDate date) {
    static const TDate first = ToTDate({1, 1, 1});
    static const TDate last = ToTDate({9999, 12, 31});
    // Written so that not-a-number fails both comparisons.
    return date >= first && std::floor(date) <= last;
}

CivilDate ToCivilDate(TDate date) {
    if (!IsCalendarDay(date)) {
        return {};
    }
    return CivilFromDays(static_cast<long long>(std::floor(date)) + kDay0);
}

std::string OutOfCalendarText(TDate date) {
    if (IsCalendarDay(date)) {
        return {};
    }
    if (std::isnan(date)) {
        return "(kein Datum)";
    }
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, date);
    return "(Tag " + std::string(buffer, ec == std::errc{} ? end : buffer) + ")";
}

bool IsValidCivilDate(const CivilDate& date) {
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.year < 1 || date.year > 9999) {
        return false;
    }
    return ToCivilDate(ToTDate(date)) == date;
}

std::optional<CivilDate> ParseFixedDate(std::string_view text) {
    std::optional<int> y;
    std::optional<int> m;
    std::optional<int> d;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        y = ParseDigits(text.substr(0, 4), 4, 4);
        m = ParseDigits(text.substr(5, 2), 2, 2);
        d = ParseDigits(text.substr(8, 2), 2, 2);
    } else {
        const auto p1 = text.find('.');
        const auto p2 = p1 == std::string_view::npos ? p1 : text.find('.', p1 + 1);
        if (p2 == std::string_view::npos) {
            return std::nullopt;
        }
        d = ParseDigits(text.substr(0, p1), 1, 2);
        m = ParseDigits(text.substr(p1 + 1, p2 - p1 - 1), 1, 2);
        y = ParseDigits(text.substr(p2 + 1), 4, 4);
    }
    if (!y || !m || !d) {
        return std::nullopt;
    }
    const CivilDate date{*y, *m, *d};
    if (!IsValidCivilDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<std::size_t> NearestDate(std::span<const TDate> dates, TDate day) {
    std::optional<std::size_t> best;
    double bestDistance = 0;
    const double target = std::floor(day);
    for (std::size_t i = 0; i < dates.size(); ++i) {
        if (!IsCalendarDay(dates[i])) {
            continue;
        }
        const double date = std::floor(dates[i]);
        const double distance = std::fabs(date - target);
        if (!best || distance < bestDistance || (distance == bestDistance && date < std::floor(dates[*best]))) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace qv
