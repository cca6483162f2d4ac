#include "engine/analysis/PatternViews.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PatternRuns, TwelveDrawsInARowRunThroughEveryRepeatColour) {
    std::vector<NumberSet> draws(14);
    for (int d = 1; d <= 12; ++d) {
        draws[static_cast<std::size_t>(d)].Add(7);
    }
    draws[0].Add(8);
    const RunLengths runs = PatternRunLengths(draws);
    EXPECT_EQ(PatternCellColour(runs[0][6]), kPlainCellColour);
    EXPECT_EQ(PatternCellColour(runs[1][6]), kNewNumberColour);
    for (int repeat = 1; repeat <= 9; ++repeat) {
        EXPECT_EQ(PatternCellColour(runs[static_cast<std::size_t>(1 + repeat)][6]),
                  RepeatRunColours[static_cast<std::size_t>(repeat - 1)])
            << repeat;
    }
    EXPECT_EQ(PatternCellColour(runs[11][6]), 0xFF0000u);
    EXPECT_EQ(PatternCellColour(runs[12][6]), 0xFF0000u);
    EXPECT_EQ(PatternCellColour(runs[13][6]), kPlainCellColour);
    EXPECT_EQ(PatternCellColour(runs[0][7]), kNewNumberColour); // the first draw has only new numbers
    EXPECT_EQ(PatternCellColour(runs[1][7]), kPlainCellColour);
    EXPECT_TRUE(PatternRunLengths({}).empty());
}

TEST(PatternRuns, ThreeInARowIsOneThenTwoRepeats) {
    const std::vector<NumberSet> draws = {{5}, {5}, {5}};
    const RunLengths runs = PatternRunLengths(draws);
    EXPECT_EQ(PatternCellColour(runs[1][4]), 0xAAFFAAu);
    EXPECT_EQ(PatternCellColour(runs[2][4]), 0x00E600u);
}

// Sets as the views get them: a record that holds no draw is the empty set.
TEST(PatternRuns, AnEmptyRecordBreaksRunsAndRepeatCounts) {
    const std::vector<NumberSet> draws = {{5, 7}, {5, 7}, {}, {5, 8}, {5, 9}};
    const RunLengths runs = PatternRunLengths(draws);
    EXPECT_EQ(runs[1][4], 2);
    EXPECT_EQ(runs[2][4], 0);
    EXPECT_EQ(runs[3][4], 1) << "new again after the empty record";
    EXPECT_EQ(runs[4][4], 2);
    const std::vector<std::optional<int>> expected = {std::nullopt, 2, std::nullopt, std::nullopt, 1};
    for (std::size_t d = 0; d < draws.size(); ++d) {
        EXPECT_EQ(RepeatCountOf(draws, d), expected[d]) << d;
    }
    EXPECT_EQ(RepeatCountOf(draws, draws.size()), std::nullopt) << "past the end";
}

TEST(RepeatCountColour, FromGreyOverWhiteToOlive) {
    EXPECT_EQ(RepeatCountColour(0), 0x5F5F5Fu);
    EXPECT_EQ(RepeatCountColour(6), 0xFFFFFFu);
    EXPECT_EQ(RepeatCountColour(8), 0xFFFF22u);
    EXPECT_EQ(RepeatCountColour(12), 0x8A8A00u);
    EXPECT_EQ(RepeatCountColour(20), 0x8A8A00u);
    EXPECT_EQ(RepeatCountColour(21), 0xFFFFFFu);
    EXPECT_EQ(RepeatCountColour(-1), 0xFFFFFFu);
}

TEST(RepeaterView, MarksRepeatersOrFinalDigitsButNeverTheFirstDraw) {
    const std::vector<NumberSet> draws = {{10, 11, 20}, {10, 12, 30, 70}, {12, 13}};
    EXPECT_FALSE(RepeaterViewMarks(draws, 0, 10, false, 0));
    EXPECT_FALSE(RepeaterViewMarks(draws, 0, 10, true, 0));
    EXPECT_TRUE(RepeaterViewMarks(draws, 1, 10, false, 0));
    EXPECT_FALSE(RepeaterViewMarks(draws, 1, 12, false, 0));
    EXPECT_TRUE(RepeaterViewMarks(draws, 2, 12, false, 0));
    // Digit 0: 10, 20, ..., 70.
    for (int n : {10, 30, 70}) {
        EXPECT_TRUE(RepeaterViewMarks(draws, 1, n, true, 0)) << n;
    }
    EXPECT_FALSE(RepeaterViewMarks(draws, 1, 12, true, 0));
    EXPECT_TRUE(RepeaterViewMarks(draws, 2, 13, true, 3));
    EXPECT_FALSE(RepeaterViewMarks(draws, 3, 13, false, 3)); // past the end
}

} // namespace
} // namespace qv
