#include "engine/core/DrawValidity.h"
#include "engine/analysis/ComboRun.h"
#include "engine/analysis/ComboSearch.h"
#include "engine/analysis/DrawStatistics.h"
#include "engine/evaluation/Evaluation.h"
#include "engine/tips/TipGeneration.h"
#include "support/TestSlips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace qv {
namespace {

TGewZahlen DrawFrom(int firstNumber) {
    TGewZahlen draw;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(firstNumber));
    return draw;
}

TGewZahlen Filled(std::uint8_t number) {
    TGewZahlen draw;
    std::fill_n(draw.GZ.begin(), 20, number);
    return draw;
}

TEST(DrawValidity, TwentyDifferentNumbersFromOneToSeventyMakeADraw) {
    TGewZahlen withZero = DrawFrom(1);
    withZero.GZ[7] = 0;
    TGewZahlen with71 = DrawFrom(1);
    with71.GZ[19] = 71;
    TGewZahlen with255 = DrawFrom(1);
    with255.GZ[0] = 255;
    TGewZahlen doubled = DrawFrom(1);
    doubled.GZ[3] = doubled.GZ[4];
    TGewZahlen reservedBytes = DrawFrom(51);
    reservedBytes.GZ[20] = 99; // positions 21 to 24 are no numbers of the draw
    const struct {
        const char* name;
        TGewZahlen draw;
        bool valid;
    } cases[] = {
        {"1 to 20", DrawFrom(1), true},     {"51 to 70", reservedBytes, true},
        {"all zeros", TGewZahlen{}, false}, {"twenty 5s", Filled(5), false},
        {"a 0", withZero, false},           {"a 71", with71, false},
        {"a 255", with255, false},          {"one number twice", doubled, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidDraw(c.draw), c.valid) << c.name;
        EXPECT_EQ(IsValidDraw(c.draw.Numbers()), c.valid) << c.name;
    }
    EXPECT_EQ(InvalidDrawsNote(0), "");
    EXPECT_EQ(InvalidDrawsNote(1),
              "1 ungültige Ziehung (nicht 20 verschiedene Zahlen von 1 bis 70) wurde ausgelassen.");
    EXPECT_EQ(InvalidDrawsNote(3),
              "3 ungültige Ziehungen (nicht 20 verschiedene Zahlen von 1 bis 70) wurden ausgelassen.");
}

// Every reader of the history leaves invalid records out and can say how many it left out.
TEST(DrawValidity, EvaluationStatisticsTipsAndCombinationsLeaveInvalidRecordsOut) {
    ProgramState state;
    TGewZahlen doubled = DrawFrom(1);
    doubled.GZ[0] = 2; // 2 to 20, with 2 twice: nineteen numbers
    state.DrawList = {DrawFrom(1), TGewZahlen{}, Filled(5), DrawFrom(11), doubled};

    // A type-10 row "won" the 0-hit prize against the all-zero record.
    state.SlipList = {test::Slip({{1, {61, 62, 63, 64, 65, 66, 67, 68, 69, 70}}}, 0)};
    const EvaluationRun run = Evaluate(state, {0, 4, {0}});
    ASSERT_EQ(run.refusal, nullptr);
    EXPECT_EQ(run.invalidDraws, 3);
    ASSERT_EQ(run.results.size(), 1u);
    std::vector<int> evaluated;
    for (const ResultRow& row : run.results[0].rows) {
        evaluated.push_back(row.drawIndex);
    }
    EXPECT_EQ(evaluated, (std::vector<int>{0, 3}));
    EXPECT_EQ(run.results[0].balance.stake, 2.0);
    EXPECT_FALSE(IsHitMarked(true, std::vector<NumberSet>{TGewZahlen{}.Numbers()}, 0));

    // Twenty 5s counted number 5 twenty times.
    const DrawStatistics stats = ComputeStatistics(state.DrawList, 0, 4);
    EXPECT_EQ(stats.drawCount, 2);
    EXPECT_EQ(stats.invalidDraws, 3);
    EXPECT_EQ(stats.frequencies[4], 1);  // 5 only in draw 0
    EXPECT_EQ(stats.frequencies[14], 2); // 15 in both draws
    EXPECT_EQ(CountPeriodNumbers(state.DrawList, 0, 4)[5], 1);

    BuildPeriodSets(state, 0, 4);
    EXPECT_EQ(CountAbsences(state.PeriodSets)[0], 1) << "1 was last drawn one valid draw ago";

    const std::vector<NumberSet> sets = CountableDrawSets(state.DrawList, 0, 4);
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_TRUE(sets[1].Empty() && sets[2].Empty() && sets[4].Empty());
    const SearchResult found = SearchWholePool(NumberSet{5, 6}, sets);
    ASSERT_EQ(found.rows.size(), 1u);
    EXPECT_EQ(found.rows[0].offset, 0);
    EXPECT_EQ(CountAllCombinations(2, sets)[0], 1u) << "{1, 2} once, not from the invalid records";
    EXPECT_EQ(CountInvalidDraws(state.DrawList, 0, 4), 3);
    EXPECT_EQ(CountInvalidDraws(state.DrawList, 3, 9), 1) << "the range is clipped to the list";
}

} // namespace
} // namespace qv
