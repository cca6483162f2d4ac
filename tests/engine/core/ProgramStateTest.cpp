#include "engine/core/ProgramState.h"
#include "engine/core/GameTables.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TGewZahlen Draw(TDate date, int first) {
    TGewZahlen draw;
    draw.datum = date;
    for (int p = 0; p < 20; ++p) {
        draw.GZ[p] = static_cast<std::uint8_t>(first + 19 - p); // stored descending on purpose
    }
    return draw;
}

TEST(ProgramState, DerivedArraysFollowTheLoadedDraws) {
    ProgramState state;
    state.DrawList = {Draw(1, 1), Draw(2, 1), Draw(3, 11)};
    BuildDerivedArrays(state);

    ASSERT_EQ(state.DrawSets.size(), 3u);
    EXPECT_EQ(state.RepeatCounts, (std::vector<std::uint8_t>{0, 20, 10}));
    EXPECT_EQ(state.SortedDraws[2].GZ[0], 11);
    EXPECT_EQ(state.SortedDraws[2].GZ[19], 30);

    // A draw added later is not in the derived arrays, but the period sets see it.
    state.DrawList.push_back(Draw(4, 51));
    BuildPeriodSets(state, 2, 1);
    EXPECT_EQ(state.DrawSets.size(), 3u);
    EXPECT_EQ(state.PeriodStart, 2);
    ASSERT_EQ(state.PeriodSets.size(), 2u);
    EXPECT_TRUE(state.PeriodSets[1].Contains(70));
}

TEST(ProgramState, PeriodRule) {
    struct Case {
        int from;
        std::optional<int> to;
        std::optional<Period> expected;
    };
    const Case cases[] = {
        {3, 3, Period{3, 0}},            // one draw
        {2, 5, Period{2, 3}},            // both ends included
        {4, 3, std::nullopt},            // to before from: refused
        {4, std::nullopt, Period{4, 0}}, // "bis:" cleared: the from draw alone
        {-1, 3, std::nullopt},           // typed text matching no date
        {0, 10, std::nullopt},           // beyond the list
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ResolvePeriod(c.from, c.to, 10), c.expected) << c.from;
    }
    EXPECT_STREQ(PeriodErrorText,
                 "Bitte korrigieren Sie die Angaben für den Auswertungszeitraum.\r\rIch breche erst einmal ab.");
}

TEST(GameTables, LookupsStayInsideTheTables) {
    EXPECT_EQ(StakeEurosAt(5), 10);
    EXPECT_EQ(StakeEurosAt(6), std::nullopt);
    EXPECT_EQ(DrawCountAt(4), 14);
    EXPECT_EQ(DrawCountAt(255), std::nullopt);
    EXPECT_EQ(StakeIndexOf(10), 5);
    EXPECT_EQ(StakeIndexOf(6), -1);
    EXPECT_EQ(DrawCountIndexOf(7), 3);
    EXPECT_EQ(DrawCountIndexOf(3), -1);
    EXPECT_EQ(KenoTypeName(5), "Fünf");
    EXPECT_EQ(KenoTypeName(11), "");
    EXPECT_EQ(FinalDigitSets[0], (NumberSet{10, 20, 30, 40, 50, 60, 70}));
    EXPECT_EQ(FinalDigitSets[9].Count(), 7);
}

} // namespace
} // namespace qv
