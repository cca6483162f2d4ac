#include "engine/evaluation/DrawEntry.h"

#include "engine/core/DrawStore.h"
#include "engine/core/SafeFile.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace qv {
namespace {

using ::testing::ElementsAre;

TGewZahlen MakeDraw(TDate date, std::vector<int> numbers) {
    TGewZahlen draw;
    draw.datum = date;
    for (std::size_t p = 0; p < numbers.size(); ++p) {
        draw.GZ[p] = static_cast<std::uint8_t>(numbers[p]);
    }
    return draw;
}

std::vector<int> Range(int from, int count) {
    std::vector<int> numbers;
    for (int n = from; n < from + count; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

void Mark(ProgramState& state, const std::vector<int>& numbers) {
    for (int n : numbers) {
        ClickNumber(state, n);
    }
}

// The 32 bytes of a draw record, written out field by field.
std::vector<std::uint8_t> Record(double date, const std::vector<int>& numbers,
                                 std::array<std::uint8_t, 4> reserved = {}) {
    std::vector<std::uint8_t> bytes(8);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &date, 8);
    for (int b = 0; b < 8; ++b) {
        bytes[b] = static_cast<std::uint8_t>(bits >> (8 * b));
    }
    for (int n : numbers) {
        bytes.push_back(static_cast<std::uint8_t>(n));
    }
    bytes.insert(bytes.end(), reserved.begin(), reserved.end());
    return bytes;
}

TEST(Board, TwentyFirstMarkIsRefusedAndAMarkedNumberUnmarks) {
    ProgramState state;
    Mark(state, Range(1, 20));
    EXPECT_EQ(ClickNumber(state, 21), ClickOutcome::Refused);
    EXPECT_EQ(state.MarkedCount, 20);
    EXPECT_FALSE(state.MarkedNumbers.Contains(21));

    EXPECT_EQ(ClickNumber(state, 5), ClickOutcome::Unmarked);
    EXPECT_EQ(ClickNumber(state, 21), ClickOutcome::Marked);
    EXPECT_EQ(state.MarkedCount, 20);

    ClearBoard(state);
    EXPECT_EQ(state.MarkedCount, 0);
    EXPECT_TRUE(state.MarkedNumbers.Empty());
}

TEST(Board, ShowingADraw) {
    ProgramState state;
    state.DrawList.push_back(MakeDraw(45000, Range(1, 20)));
    Mark(state, {70});
    // With a single draw in the history the board is left alone.
    EXPECT_FALSE(ShowDrawOnBoard(state, 0));
    EXPECT_EQ(state.MarkedCount, 1);

    // A number stored twice is marked by its first and unmarked by its second position; a number
    // outside 1 to 70 is not clicked.
    std::vector<int> withDuplicate = Range(1, 19);
    withDuplicate.push_back(7);
    withDuplicate[0] = 0;
    state.DrawList.push_back(MakeDraw(45001, withDuplicate));
    EXPECT_TRUE(ShowDrawOnBoard(state, 1));
    EXPECT_EQ(state.MarkedCount, 17);
    EXPECT_FALSE(state.MarkedNumbers.Contains(7));
    EXPECT_FALSE(state.MarkedNumbers.Contains(70));
    EXPECT_THAT(MarkedNumbersAscending(state),
                ElementsAre(2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19));
}

TEST(NewDraw, FollowsTheNewestAndRefusesWhileItIsIncomplete) {
    ProgramState state;
    state.DrawList.push_back(MakeDraw(45000, Range(1, 20)));
    state.DrawList.push_back(MakeDraw(45003, Range(30, 20)));
    Mark(state, {1, 2});

    const NewDrawOutcome first = AddNextDraw(state);
    EXPECT_EQ(first.refusal, nullptr);
    EXPECT_EQ(first.date, 45004);
    EXPECT_EQ(state.DrawList.size(), 3u);
    EXPECT_EQ(state.DrawList.back(), TGewZahlen{});
    EXPECT_EQ(state.MarkedCount, 0);

    Mark(state, {5});
    const NewDrawOutcome second = AddNextDraw(state);
    EXPECT_STREQ(second.refusal, kCompletePreviousText);
    EXPECT_EQ(state.DrawList.size(), 3u);
    EXPECT_EQ(state.MarkedCount, 1);
}

TEST(NewDraw, AHistoryAtTheLimitTakesNoFurtherDraw) {
    ProgramState state;
    state.DrawList.assign(kMaxDraws - 1, MakeDraw(45000, Range(1, 20)));
    ASSERT_EQ(AddNextDraw(state).refusal, nullptr); // draw 100,000 may still be added
    state.DrawList.back() = MakeDraw(45001, Range(1, 20));

    const NewDrawOutcome refused = AddNextDraw(state);
    EXPECT_STREQ(refused.refusal, kHistoryFullText);
    EXPECT_EQ(state.DrawList.size(), kMaxDraws);
}

TEST(NewDraw, EmptyHistoryAsksForTheFirstDate) {
    ProgramState state;
    const NewDrawOutcome ask = AddNextDraw(state);
    EXPECT_TRUE(ask.needsFirstDate);
    EXPECT_TRUE(state.DrawList.empty());

    const NewDrawOutcome added = AddNextDraw(state, 45500);
    EXPECT_FALSE(added.needsFirstDate);
    EXPECT_EQ(added.date, 45500);
    EXPECT_EQ(state.DrawList.size(), 1u);
}

TEST(NewDraw, AfterADateOutsideTheCalendarAsksForTheDate) {
    for (const double date : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300,
                              2958465.0 /* 31.12.9999 */}) {
        ProgramState state;
        state.DrawList.push_back(MakeDraw(date, Range(1, 20)));
        EXPECT_FALSE(NextDrawDate(state)) << date;
        const NewDrawOutcome ask = AddNextDraw(state);
        EXPECT_TRUE(ask.needsFirstDate) << date;
        EXPECT_EQ(state.DrawList.size(), 1u);
        const NewDrawOutcome added = AddNextDraw(state, 45500);
        EXPECT_EQ(added.date, 45500);
        EXPECT_EQ(state.DrawList.size(), 2u);
    }
}

TEST(Save, WritesTheMarkedNumbersAscendingAndTheDatesOfTheList) {
    test::TempDir folder;
    const auto file = folder / kDrawFileName;
    ProgramState state;
    TGewZahlen old = MakeDraw(45000, Range(1, 20));
    old.GZ[20] = 0xAB; // reserved bytes travel along
    state.DrawList.push_back(old);
    state.DrawList.push_back(MakeDraw(45001, Range(51, 20)));

    ASSERT_EQ(AddNextDraw(state).date, 45002);
    std::vector<TDate> listDates = {45000, 45001, 45002};

    Mark(state, Range(1, 19));
    const SaveOutcome incomplete = SaveMarkedNumbers(state, 2, listDates, 2, file);
    EXPECT_STREQ(incomplete.refusal, kCompleteDrawText);
    EXPECT_FALSE(incomplete.saved);
    EXPECT_FALSE(std::filesystem::exists(file));

    ClearBoard(state);
    const std::vector<int> drawn = {70, 3, 44, 12, 9, 61, 27, 35, 18, 50, 1, 66, 23, 38, 41, 57, 5, 30, 14, 69};
    Mark(state, drawn);
    const SaveOutcome saved = SaveMarkedNumbers(state, 2, listDates, 2, file);
    EXPECT_EQ(saved.refusal, nullptr);
    EXPECT_TRUE(saved.saved);
    EXPECT_EQ(saved.addToPeriodLists, 45002);

    std::vector<std::uint8_t> expected = Record(45000, Range(1, 20), {0xAB, 0, 0, 0});
    const auto second = Record(45001, Range(51, 20));
    const auto third = Record(45002, {1, 3, 5, 9, 12, 14, 18, 23, 27, 30, 35, 38, 41, 44, 50, 57, 61, 66, 69, 70});
    expected.insert(expected.end(), second.begin(), second.end());
    expected.insert(expected.end(), third.begin(), third.end());
    EXPECT_EQ(ReadWholeFile(file), expected);

    // Saving the same draw again appends nothing to the period lists (they hold it now).
    const SaveOutcome again = SaveMarkedNumbers(state, 2, listDates, 3, file);
    EXPECT_TRUE(again.saved);
    EXPECT_FALSE(again.addToPeriodLists);
    EXPECT_EQ(ReadWholeFile(file), expected);
}

TEST(Save, CorrectingAnOlderDrawWhileANewOneIsEmptyKeepsTheEmptyOneOutOfTheFile) {
    test::TempDir folder;
    const auto file = folder / kDrawFileName;
    ProgramState state;
    state.DrawList.push_back(MakeDraw(45000, Range(1, 20)));
    state.DrawList.push_back(MakeDraw(45001, Range(51, 20)));
    ASSERT_EQ(AddNextDraw(state).refusal, nullptr);

    ASSERT_TRUE(ShowDrawOnBoard(state, 0));
    ClickNumber(state, 20);
    ClickNumber(state, 21);
    const SaveOutcome outcome = SaveMarkedNumbers(state, 0, std::vector<TDate>{45000, 45001, 45002}, 2, file);
    EXPECT_TRUE(outcome.saved);
    EXPECT_FALSE(outcome.addToPeriodLists);
    const auto written = LoadDraws(file);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].GZ[19], 21);
    EXPECT_EQ(written[1], state.DrawList[1]);
    EXPECT_EQ(state.DrawList.size(), 3u);
}

} // namespace
} // namespace qv
