#include "engine/core/CenterPadding.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
}

struct PadCase {
    int columnWidth;
    int percent;
    int textWidth;
    int blankWidth;
    int blanks;
};

class CenterPadBlanksTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(CenterPadBlanksTest, CentresTheTextInTheShare) {
    const PadCase c = GetParam();
    EXPECT_EQ(CenterPadBlanks(c.columnWidth, c.percent, c.textWidth, c.blankWidth), c.blanks);
}

INSTANTIATE_TEST_SUITE_P(Cases, CenterPadBlanksTest,
                         ::testing::Values(PadCase{100, 80, 40, 4, 5}, // (80 - 40) / 8
                                           PadCase{100, 80, 60, 4, 2}, // 20 / 8 = 2.5 goes down to 2
                                           PadCase{100, 80, 52, 4, 4}, // 28 / 8 = 3.5 goes up to 4
                                           PadCase{5, 70, 0, 1, 2},    // share 3.5 -> 4, 4 / 2 = 2
                                           PadCase{15, 70, 0, 1, 5},   // share 10.5 -> 10, 10 / 2 = 5
                                           PadCase{25, 70, 0, 1, 9},   // share 17.5 -> 18, 18 / 2 = 9
                                           PadCase{66, 80, 53, 3, 0},  // text as wide as the share: no blanks
                                           PadCase{66, 80, 70, 3,
                                                   0}, // text wider than the share: no blanks, never fewer
                                           PadCase{34, 80, 10, 0, 0})); // a font without a blank width

} // namespace
} // namespace qv
