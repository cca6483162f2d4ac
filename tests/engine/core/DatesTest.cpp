#include "engine/core/Dates.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

namespace qv {
namespace {

TEST(Dates, DaysOutsideTheCalendarAreNoDates) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        double day;
        bool calendar;
        const char* text;
    } cases[] = {
        {0, true, ""},       // 30.12.1899
        {-693593, true, ""}, // 01.01.0001
        {-693594, false, "(Tag -693594)"},
        {2958465, true, ""},    // 31.12.9999
        {2958465.75, true, ""}, // the same day, later in it
        {2958466, false, "(Tag 2958466)"},
        {std::numeric_limits<double>::quiet_NaN(), false, "(kein Datum)"},
        {kInf, false, "(Tag inf)"},
        {-kInf, false, "(Tag -inf)"},
        {1e300, false, "(Tag 1e+300)"},
        {9.3e18, false, "(Tag 9.3e+18)"}, // beyond a 64-bit day count
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCalendarDay(c.day), c.calendar) << c.day;
        EXPECT_EQ(OutOfCalendarText(c.day), c.text) << c.day;
        if (!c.calendar) {
            EXPECT_EQ(ToCivilDate(c.day), CivilDate{}) << c.day;
        }
    }
    EXPECT_EQ(ToCivilDate(-693593), (CivilDate{1, 1, 1}));
    EXPECT_EQ(ToCivilDate(2958465.75), (CivilDate{9999, 12, 31}));
}

// A typed day leads to the nearest draw: draws are missing on some days, a history may hold a date
// twice or bytes that are no date at all.
TEST(Dates, NearestDateOfATypedDay) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const std::vector<TDate> dates = {100, 101, kNaN, 104, 108, 108, 1e300};
    const struct {
        double day;
        std::optional<std::size_t> nearest;
    } cases[] = {
        {101, 1},     // a draw of that day
        {101.5, 1},   // a time in that day
        {102, 1},     // one day after, three before the next
        {103, 3},     // one day before the next
        {106, 3},     // two days either side: the earlier draw
        {108, 4},     // the same date twice: the first
        {50, 0},      // before the history
        {5000000, 4}, // after it; the day beyond any calendar is no candidate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NearestDate(dates, c.day), c.nearest) << c.day;
    }
    EXPECT_EQ(NearestDate({}, 100), std::nullopt);
    const std::vector<TDate> noDates = {kNaN, -1e300};
    EXPECT_EQ(NearestDate(noDates, 100), std::nullopt);
}

} // namespace
} // namespace qv
