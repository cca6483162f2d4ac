#include "engine/analysis/DrawStatistics.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qv {
namespace {

TGewZahlen Draw(std::initializer_list<int> numbers) {
    TGewZahlen draw;
    std::size_t p = 0;
    for (int n : numbers) {
        draw.GZ[p++] = static_cast<std::uint8_t>(n);
    }
    return draw;
}

// Numbers from..from+19.
TGewZahlen RunFrom(int from) {
    TGewZahlen draw;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(from));
    return draw;
}

TEST(DeviationThresholds, WorkedExamplesAndLegends) {
    struct Case {
        int draws;
        ClassThresholds thresholds;
        std::array<std::string, 7> legends; // classes 1 to 7
    };
    const Case cases[] = {
        {2, {3, 2, 1, 0, 0, 0, -1}, {"> 3", "2 - 3", "1 - 1", "0 - 0", "irrelevant", "irrelevant", "irrelevant"}},
        {100, {44, 39, 34, 23, 18, 13, -1}, {"> 44", "39 - 44", "34 - 38", "23 - 33", "18 - 22", "13 - 17", "< 13"}},
        {1000,
         {336, 319, 302, 269, 252, 235, -1},
         {"> 336", "319 - 336", "302 - 318", "269 - 301", "252 - 268", "235 - 251", "< 235"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviationThresholds(c.draws), c.thresholds) << c.draws;
        EXPECT_EQ(ClassLegends(c.thresholds), c.legends) << c.draws;
    }
}

TEST(DeviationThresholds, StayOrderedForEveryAcceptedPeriod) {
    for (int n = 2; n <= 10000; ++n) {
        const ClassThresholds t = DeviationThresholds(n);
        ASSERT_GT(t[0], t[1]) << n;
        ASSERT_GT(t[1], t[2]) << n;
        ASSERT_GT(t[2], t[3]) << n;
        for (int k = 3; k < 5; ++k) {
            ASSERT_TRUE(t[k] > t[k + 1] || t[k + 1] == 0) << n;
        }
        ASSERT_GE(t[5], 0) << n;
    }
}

TEST(DeviationClass, TwoDrawPeriod) {
    const ClassThresholds t = DeviationThresholds(2);
    EXPECT_EQ(DeviationClassOf(2, t), 2); // drawn in both
    EXPECT_EQ(DeviationClassOf(1, t), 3);
    EXPECT_EQ(DeviationClassOf(0, t), 4); // T4 = 0
    EXPECT_EQ(DeviationClassOf(3, t), 1); // a frequency equal to T1 is class 1
    EXPECT_EQ(ColoursOfClass(2).background, 0x6161B6u);
    EXPECT_EQ(ColoursOfClass(7).background, 0x800000u);
    EXPECT_EQ(ColoursOfClass(7).text, 0xFFFFFFu);
    EXPECT_EQ(ColoursOfClass(4).text, 0x000000u);
}

TEST(Frequencies, CountPositionsOfThePeriodAndLeaveOutRecordsThatHoldNoDraw) {
    std::vector<TGewZahlen> draws = {RunFrom(1), RunFrom(11), RunFrom(21), RunFrom(51), RunFrom(31)};
    draws[1].GZ[20] = 5; // reserved positions 21 to 24 are no numbers
    draws[2].GZ[0] = 0;  // a number not yet saved
    draws[2].GZ[1] = 71; // a damaged byte
    const NumberCounts f = CountFrequencies(draws, 1, 2);
    EXPECT_EQ(f[10], 1); // 11 in draw 1
    EXPECT_EQ(f[22], 1); // 23 in draw 1; draw 2 holds no draw of the game and counts nothing
    EXPECT_EQ(f[4], 0);  // 5: only in draw 0 and a reserved byte
    EXPECT_EQ(std::accumulate(f.begin(), f.end(), 0), 20);
    const NumberCounts whole = CountFrequencies(draws, 0, 4);
    EXPECT_EQ(std::accumulate(whole.begin(), whole.end(), 0), 80);
}

TEST(Absences, NewestDrawIsZeroAndNeverDrawnIsThePeriodLength) {
    const std::vector<NumberSet> period = {RunFrom(1).Numbers(), RunFrom(11).Numbers(), RunFrom(31).Numbers()};
    const NumberCounts a = CountAbsences(period);
    EXPECT_EQ(a[30], 0); // 31 in the newest draw
    EXPECT_EQ(a[29], 1); // 30 last in the draw before
    EXPECT_EQ(a[4], 2);  // 5 only in the oldest
    EXPECT_EQ(a[69], 3); // 70 never drawn
    EXPECT_EQ(CountAbsences({})[0], 0);
}

TEST(Slots, DescendingValueKeepsIncreasingNumbersOnTies) {
    NumberCounts values{};
    EXPECT_EQ(SlotsByDescendingValue(values)[0], 1);
    EXPECT_EQ(SlotsByDescendingValue(values)[69], 70);
    values[69] = 5; // 70
    values[9] = 3;  // 10
    values[2] = 3;  // 3
    values[0] = 1;  // 1
    const auto slots = SlotsByDescendingValue(values);
    EXPECT_EQ((std::array<int, 5>{slots[0], slots[1], slots[2], slots[3], slots[4]}),
              (std::array<int, 5>{70, 3, 10, 1, 2}));
    EXPECT_EQ(slots[69], 69);
}

TEST(Statistics, TwoDrawsGiveExpectationAndClasses) {
    const std::vector<TGewZahlen> draws = {Draw({1, 2, 3}), RunFrom(1), RunFrom(11)};
    const DrawStatistics s = ComputeStatistics(draws, 1, 2);
    EXPECT_EQ(s.drawCount, 2);
    EXPECT_NEAR(s.expected, 0.5714, 1e-4);
    EXPECT_EQ(s.frequencies[14], 2);
    EXPECT_EQ(s.classes[14], 2); // 15 in both draws
    EXPECT_EQ(s.classes[0], 3);  // 1 once
    EXPECT_EQ(s.classes[69], 4); // 70 never
    EXPECT_EQ(s.legends[0], "> 3");
}

} // namespace
} // namespace qv
