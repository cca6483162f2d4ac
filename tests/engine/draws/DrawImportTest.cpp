#include "engine/draws/DrawImport.h"
#include "engine/core/Dates.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const char* kLine1 = "2004-02-02;4;6;8;24;25;27;28;29;31;37;40;41;43;49;50;54;55;56;64;66";

TEST(DrawImport, ReadsIsoAndGermanDatesWithAnySeparator) {
    const std::string text = std::string("date;n1;n2\r\n") + kLine1 +
                             "\r\n\r\n03.02.2004\t8 10 11 15 19 27 31 35 37 43,50,51,52,57,60,61,65,66,69,70\n";
    const DrawImport result = ParseDrawHistory(text);
    ASSERT_TRUE(result.problems.empty()) << result.problems[0].message;
    ASSERT_EQ(result.draws.size(), 2u);
    EXPECT_EQ(result.draws[0].datum, ToTDate({2004, 2, 2}));
    EXPECT_EQ(result.draws[0].datum, 38019);
    EXPECT_EQ(result.draws[0].GZ[0], 4);
    EXPECT_EQ(result.draws[1].GZ[19], 70);
    EXPECT_EQ(result.draws[1].GZ[20], 0);
}

TEST(DrawImport, EveryBadLineIsReportedWithItsNumber) {
    const std::string text = std::string(kLine1) + "\n" +
                             "2004-02-03;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19\n"     // 19 numbers
                             "2004-02-04;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;71\n"  // 71
                             "2004-02-05;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;1\n"   // 1 twice
                             "2004-02-30;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20\n"  // no such day
                             "2004-02-01;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20\n"; // not after
    const DrawImport result = ParseDrawHistory(text);
    ASSERT_EQ(result.problems.size(), 5u);
    for (std::size_t i = 0; i < result.problems.size(); ++i) {
        EXPECT_EQ(result.problems[i].line, static_cast<int>(i) + 2);
    }
    EXPECT_EQ(result.problems[0].message, "19 Zahlen statt 20");
}

TEST(DrawImport, AHeadingIsReportedAsSkippedAndADamagedFirstLineAsBad) {
    const DrawImport heading = ParseDrawHistory(std::string("Datum;Zahl1;Zahl2\n") + kLine1);
    EXPECT_TRUE(heading.problems.empty());
    ASSERT_EQ(heading.skipped.size(), 1u);
    EXPECT_EQ(heading.skipped[0].line, 1);
    EXPECT_EQ(heading.draws.size(), 1u);

    // Once taken for a heading and dropped without a word.
    const DrawImport damaged = ParseDrawHistory("2004-02-0x;4;6;8;24;25;27;28;29;31;37;40;41;43;49;50;54;55;56;64;66");
    EXPECT_TRUE(damaged.skipped.empty());
    ASSERT_EQ(damaged.problems.size(), 1u);
    EXPECT_EQ(damaged.problems[0].line, 1);
}

// Day 0 (30.12.1899) is a day like any other, not a sign for "no date".
TEST(DrawImport, TheFirstDayOfTheCalendarKeepsTheOrder) {
    const std::string numbers = ";1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20\n";
    const DrawImport result = ParseDrawHistory("30.12.1899" + numbers + "30.12.1899" + numbers);
    EXPECT_EQ(result.draws.size(), 1u);
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].line, 2);
}

} // namespace
} // namespace qv
