#include "engine/draws/HistoryMerge.h"

#include "engine/core/Dates.h"

#include <gtest/gtest.h>

#include <limits>
#include <numeric>

namespace qv {
namespace {

TGewZahlen Draw(TDate date, int lowest = 1) {
    TGewZahlen draw;
    draw.datum = date;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(lowest));
    return draw;
}

std::vector<TDate> Dates(const std::vector<TGewZahlen>& draws) {
    std::vector<TDate> dates;
    for (const TGewZahlen& draw : draws) {
        dates.push_back(draw.datum);
    }
    return dates;
}

TEST(HistoryMerge, MissingDaysAreFilledInAndKnownDaysReported) {
    const std::vector<TGewZahlen> history = {Draw(100), Draw(101), Draw(104)};
    // Day 101 again with the same numbers in another order, day 104 with other numbers.
    TGewZahlen shuffled = Draw(101);
    std::swap(shuffled.GZ[0], shuffled.GZ[19]);
    const std::vector<TGewZahlen> imported = {Draw(99), shuffled, Draw(102), Draw(104, 30), Draw(106)};

    const MergedHistory merged = MergeDrawHistory(history, imported);
    EXPECT_EQ(Dates(merged.draws), (std::vector<TDate>{99, 100, 101, 102, 104, 106}));
    EXPECT_EQ(merged.added, 3u);
    EXPECT_EQ(merged.doubled, (std::vector<DoubledImport>{{101, true}, {104, false}}));
    // The history's own draw of day 104 stays.
    EXPECT_EQ(merged.draws[4], history[2]);
}

// The store keeps a file as it stands: its order is not the import's to change.
TEST(HistoryMerge, AHistoryOutOfOrderGetsTheNewDrawsAtItsEnd) {
    const std::vector<TGewZahlen> history = {Draw(105), Draw(100), Draw(std::numeric_limits<double>::quiet_NaN())};
    const MergedHistory merged = MergeDrawHistory(history, std::vector<TGewZahlen>{Draw(100), Draw(101)});
    ASSERT_EQ(merged.draws.size(), 4u);
    EXPECT_EQ(merged.draws[0].datum, 105);
    EXPECT_EQ(merged.draws[3].datum, 101);
    EXPECT_EQ(merged.doubled, (std::vector<DoubledImport>{{100, true}}));
}

TEST(HistoryMerge, GapsAndDoubledDatesOfADailyHistory) {
    const TDate nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        std::vector<TDate> dates;
        std::vector<HistoryGap> gaps;
        std::vector<TDate> doubled;
    } cases[] = {
        {"every day", {10, 11, 12}, {}, {}},
        {"one day missing, then three", {10, 12, 13, 17}, {{10, 12, 1}, {13, 17, 3}}, {}},
        {"a day twice", {10, 11, 11, 12}, {}, {11}},
        {"a day three times, apart", {11, 12, 11, 11}, {}, {11}},
        {"no date breaks the chain", {10, nan, 20}, {}, {}},
        {"empty", {}, {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<TGewZahlen> draws;
        for (const TDate date : c.dates) {
            draws.push_back(Draw(date));
        }
        const HistoryCheck check = CheckDailyHistory(draws);
        EXPECT_EQ(check.gaps, c.gaps) << c.name;
        EXPECT_EQ(check.doubledDates, c.doubled) << c.name;
    }
}

TEST(HistoryMerge, ALoneMissingSundayIsToldApart) {
    const TDate saturday = ToTDate({2010, 1, 2});
    EXPECT_TRUE(IsLoneSunday({saturday, saturday + 2, 1}));
    EXPECT_FALSE(IsLoneSunday({saturday - 1, saturday + 1, 1})); // a Saturday missing
    EXPECT_FALSE(IsLoneSunday({saturday, saturday + 3, 2}));     // Sunday and Monday
    EXPECT_TRUE(IsLoneSunday({ToTDate({2024, 8, 3}), ToTDate({2024, 8, 5}), 1}));
}

TEST(HistoryMerge, TheGapsAroundAnImportAreThoseThatTouchItsDays) {
    const std::vector<HistoryGap> gaps = {{10, 12, 1}, {20, 25, 4}, {30, 32, 1}, {40, 42, 1}};
    // An import of days 24 to 31: the gap it ends and the gap inside it; one touching its first day too.
    EXPECT_EQ(GapsAround(gaps, 24, 31), (std::vector<HistoryGap>{{20, 25, 4}, {30, 32, 1}}));
    EXPECT_EQ(GapsAround(gaps, 12, 12), (std::vector<HistoryGap>{{10, 12, 1}}));
    EXPECT_TRUE(GapsAround(gaps, 13, 19).empty());
}

} // namespace
} // namespace qv
