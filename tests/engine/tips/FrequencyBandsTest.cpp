#include "engine/tips/FrequencyBands.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(FrequencyBands, BoundsForShortAndLongPeriods) {
    struct Case {
        int draws;
        FrequencyBounds bounds;
    };
    const Case cases[] = {
        {1, {2, 1, 2, 0, 0, 0, -1}}, // B1 and B2 both round to 1: B2 is moved up
        {2, {3, 2, 1, 0, 0, 0, -1}},
        {10, {8, 6, 5, 1, 0, 0, -1}},
        {20, {13, 10, 8, 3, 1, 0, -1}},
        {100, {44, 39, 34, 23, 18, 13, -1}},
        {365, {135, 125, 114, 94, 84, 74, -1}},
        {7000, {2133, 2089, 2044, 1956, 1911, 1867, -1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrequencyBandBounds(c.draws), c.bounds) << c.draws << " draws";
    }
}

TEST(FrequencyBands, OneDrawPutsDrawnNumbersIntoClassOneAndTheOthersIntoClassThree) {
    const FrequencyBounds bounds = FrequencyBandBounds(1);
    EXPECT_EQ(FrequencyClass(1, bounds), 1);
    EXPECT_EQ(FrequencyClass(0, bounds), 3);
}

TEST(FrequencyBands, EveryCountHasAClass) {
    const FrequencyBounds bounds = FrequencyBandBounds(100);
    EXPECT_EQ(FrequencyClass(1000, bounds), 0);
    EXPECT_EQ(FrequencyClass(44, bounds), 0);
    EXPECT_EQ(FrequencyClass(43, bounds), 1);
    EXPECT_EQ(FrequencyClass(34, bounds), 2);
    EXPECT_EQ(FrequencyClass(23, bounds), 3);
    EXPECT_EQ(FrequencyClass(13, bounds), 5);
    EXPECT_EQ(FrequencyClass(12, bounds), 6);
    EXPECT_EQ(FrequencyClass(0, bounds), 6);
}

TEST(FrequencyBands, LegendTexts) {
    using Legend = std::array<std::string, 7>;
    EXPECT_EQ(FrequencyLegend(FrequencyBandBounds(100)),
              (Legend{"> 44", "39 - 44", "34 - 38", "23 - 33", "18 - 22", "13 - 17", "< 13"}));
    EXPECT_EQ(FrequencyLegend(FrequencyBandBounds(1)),
              (Legend{"> 2", "1 - 2", "2 - 0", "0 - 1", "irrelevant", "irrelevant", "irrelevant"}));
}

} // namespace
} // namespace qv
