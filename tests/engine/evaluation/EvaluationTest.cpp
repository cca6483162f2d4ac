#include "engine/evaluation/Evaluation.h"
#include "support/TestSlips.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

using ::testing::ElementsAre;

TGewZahlen MakeDraw(TDate date, int firstNumber) {
    TGewZahlen draw;
    draw.datum = date;
    for (int p = 0; p < 20; ++p) {
        draw.GZ[p] = static_cast<std::uint8_t>(firstNumber + p);
    }
    return draw;
}

ProgramState StateWithDraws(int count) {
    ProgramState state;
    for (int i = 0; i < count; ++i) {
        state.DrawList.push_back(MakeDraw(45000 + i, 1 + 3 * i)); // draw i holds 1+3i .. 20+3i
    }
    return state;
}

TEST(EvaluateSlip, TenOfTenAtTenEurosWinsTheTopPrize) {
    const TSchein slip = test::Slip({{1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}}, 5);
    const std::vector<NumberSet> period = {MakeDraw(45000, 1).Numbers()};
    const auto rows = EvaluateSlip(slip, period, 7);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].drawIndex, 7);
    EXPECT_TRUE(rows[0].blockStart);
    EXPECT_EQ(rows[0].hits, 10);
    EXPECT_EQ(rows[0].win, 2500000.0f);
    EXPECT_EQ(rows[0].total, 2500000.0f);
}

TEST(EvaluateSlip, RowsComeInBlocksPerDrawWithTheDateOnTheFirstRow) {
    const TSchein slip = test::Slip({{1, {1, 2}}, {3, {60, 61, 62}}}, 0);
    ProgramState state = StateWithDraws(3);
    BuildPeriodSets(state, 0, 2);
    const auto rows = EvaluateSlip(slip, state.PeriodSets, state.PeriodStart);
    ASSERT_EQ(rows.size(), 6u);
    std::vector<int> draws, fields;
    std::vector<bool> starts;
    for (const ResultRow& row : rows) {
        draws.push_back(row.drawIndex);
        fields.push_back(row.field);
        starts.push_back(row.blockStart);
    }
    EXPECT_THAT(draws, ElementsAre(0, 0, 1, 1, 2, 2));
    EXPECT_THAT(fields, ElementsAre(1, 3, 1, 3, 1, 3));
    EXPECT_THAT(starts, ElementsAre(true, false, true, false, true, false));

    const TSchein onlyField4 = test::Slip({{4, {1, 2}}}, 0);
    for (const ResultRow& row : EvaluateSlip(onlyField4, state.PeriodSets, 0)) {
        EXPECT_EQ(row.field, 4);
        EXPECT_TRUE(row.blockStart);
    }
}

TEST(EvaluateSlip, WinsAndRunningTotal) {
    struct Case {
        const char* name;
        std::vector<int> numbers;
        std::uint8_t kenotyp;
        std::uint8_t einsatz;
        int hits;
        float win;
    };
    // The draw holds 1 to 20.
    const std::vector<Case> cases = {
        {"Keno 2 without a hit wins nothing", {50, 51}, 2, 0, 0, 0},
        {"Keno 2 with two hits at 3 euros", {1, 2}, 2, 2, 2, 19.5f},
        {"Keno 8 with no hit pays three times the stake", {41, 42, 43, 44, 45, 46, 47, 48}, 8, 1, 0, 6},
        {"Keno 7 with four hits wins nothing", {1, 2, 3, 4, 45, 46, 47}, 7, 0, 4, 0},
        {"a field of one number wins nothing", {1}, 1, 0, 1, 0},
        {"a count above ten uses the ten stored numbers and wins nothing",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         11,
         0,
         10,
         0},
        {"a duplicate number counts once", {1, 1, 50}, 3, 0, 1, 0},
        {"a stake index outside the table wins nothing", {1, 2}, 2, 9, 2, 0},
    };
    const std::vector<NumberSet> period = {MakeDraw(45000, 1).Numbers(), MakeDraw(45001, 1).Numbers()};
    for (const Case& c : cases) {
        TSchein slip = test::Slip({{2, c.numbers}}, c.einsatz);
        slip.kenotyp[1] = c.kenotyp;
        const auto rows = EvaluateSlip(slip, period, 0);
        ASSERT_EQ(rows.size(), 2u) << c.name;
        EXPECT_EQ(rows[0].hits, c.hits) << c.name;
        EXPECT_EQ(rows[0].win, c.win) << c.name;
        EXPECT_EQ(rows[0].total, c.win) << c.name;
        EXPECT_EQ(rows[1].total, 2 * c.win) << c.name;
    }
}

TEST(Evaluate, RefusalsChangeNothing) {
    ProgramState state = StateWithDraws(3);
    state.SlipList.push_back(test::Slip({{1, {1, 2}}}, 0));
    BuildPeriodSets(state, 2, 0);
    const auto periodBefore = state.PeriodSets;
    state.ResultTabCount = 4;

    struct Case {
        const char* name;
        EvaluationRequest request;
        const char* refusal;
    };
    const std::vector<Case> cases = {
        {"no slip tab", {0, std::nullopt, {}}, kNothingToEvaluateText},
        {"to before from", {2, 1, {0}}, PeriodErrorText},
        {"typed from text", {-1, std::nullopt, {0}}, PeriodErrorText},
        {"typed to text", {0, -1, {0}}, PeriodErrorText},
        {"from beyond the history", {3, std::nullopt, {0}}, PeriodErrorText},
    };
    for (const Case& c : cases) {
        const EvaluationRun run = Evaluate(state, c.request);
        EXPECT_STREQ(run.refusal, c.refusal) << c.name;
        EXPECT_TRUE(run.results.empty()) << c.name;
        EXPECT_EQ(state.PeriodSets, periodBefore) << c.name;
        EXPECT_EQ(state.PeriodStart, 2) << c.name;
        EXPECT_EQ(state.ResultTabCount, 4) << c.name;
    }
}

TEST(Evaluate, OneResultPerSlipNumberedOnAndPeriodKept) {
    ProgramState state = StateWithDraws(5);
    for (int k = 0; k < 3; ++k) {
        state.SlipList.push_back(test::Slip({{1, {1, 2, 3}}, {2, {4, 5}}}, 0));
    }
    state.ResultTabCount = 2;
    const EvaluationRun run = Evaluate(state, {1, 3, SlipsToEvaluate(3, 1, true)});
    ASSERT_EQ(run.refusal, nullptr);
    EXPECT_EQ(run.period, (Period{1, 2}));
    EXPECT_FALSE(run.singleDraw);
    EXPECT_FALSE(run.hitMarks);
    ASSERT_EQ(run.results.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(run.results[k].slipIndex, k);
        EXPECT_EQ(run.results[k].resultNumber, 3 + k);
        EXPECT_EQ(run.results[k].rows.size(), 6u);
    }
    EXPECT_EQ(state.ResultTabCount, 5);
    EXPECT_EQ(state.PeriodStart, 1);
    EXPECT_EQ(state.PeriodSets.size(), 3u);
}

TEST(Evaluate, SingleDrawSetsTheHitMarksOnlyWithoutTheToList) {
    ProgramState state = StateWithDraws(3);
    state.SlipList.push_back(test::Slip({{1, {1, 2, 3}}}, 0));

    const EvaluationRun withoutTo = Evaluate(state, {2, std::nullopt, {0}});
    EXPECT_TRUE(withoutTo.singleDraw);
    EXPECT_TRUE(withoutTo.hitMarks);
    // Draw 2 holds 7 to 26.
    EXPECT_TRUE(IsHitMarked(withoutTo.hitMarks, state.PeriodSets, 7));
    EXPECT_FALSE(IsHitMarked(withoutTo.hitMarks, state.PeriodSets, 6));

    const EvaluationRun toEqualsFrom = Evaluate(state, {2, 2, {0}});
    EXPECT_TRUE(toEqualsFrom.singleDraw);
    EXPECT_FALSE(toEqualsFrom.hitMarks);
    EXPECT_FALSE(IsHitMarked(toEqualsFrom.hitMarks, state.PeriodSets, 7));
}

TEST(SlipsToEvaluate, AllTabsOrTheActiveOne) {
    EXPECT_THAT(SlipsToEvaluate(3, 1, true), ElementsAre(0, 1, 2));
    EXPECT_THAT(SlipsToEvaluate(3, 1, false), ElementsAre(1));
    EXPECT_TRUE(SlipsToEvaluate(0, -1, true).empty());
    EXPECT_TRUE(SlipsToEvaluate(0, -1, false).empty());
}

TEST(BalanceOf, StakeForEveryFieldAndDrawAgainstTheWins) {
    // Two fields at 3 euros against two draws: draw 0 holds 1 to 20, draw 1 holds 41 to 60.
    const TSchein slip = test::Slip({{1, {1, 2}}, {2, {41, 42, 43}}}, 2);
    std::vector<NumberSet> draws(2);
    for (int n = 1; n <= 20; ++n) {
        draws[0].Add(n);
        draws[1].Add(40 + n);
    }
    const auto rows = EvaluateSlip(slip, draws, 0);
    ASSERT_EQ(rows.size(), 4u);
    const ResultBalance balance = BalanceOf(slip, rows);
    EXPECT_DOUBLE_EQ(balance.stake, 12.0);
    EXPECT_DOUBLE_EQ(balance.won, 3 * 6.5 + 3 * 16.0);
    EXPECT_DOUBLE_EQ(balance.Balance(), 19.5 + 48.0 - 12.0);

    EXPECT_EQ(BalanceOf(slip, {}).stake, 0.0);
}

} // namespace
} // namespace qv
