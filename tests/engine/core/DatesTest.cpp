#include "engine/core/Dates.h"

#include <gtest/gtest.h>

#include <limits>

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

} // namespace
} // namespace qv
