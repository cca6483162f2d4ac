#include "engine/draws/WinningNumberFilter.h"

#include "engine/evaluation/DrawEntry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::u16string> Tokens(std::initializer_list<const char16_t*> texts) {
    return {texts.begin(), texts.end()};
}

TEST(WinningNumberFilter, TakesEveryRunOfDigitsAsItStands) {
    struct Case {
        const char* name;
        std::u16string text;
        std::vector<std::u16string> tokens;
    };
    const std::vector<Case> cases = {
        {"a date before the numbers shifts them by three fields", u"Ziehung vom 12.03.2024:\r\n5 - 11 - 23",
         Tokens({u"12", u"03", u"2024", u"5", u"11", u"23"})},
        {"leading zeros, duplicates and out-of-range numbers stay", u"07, 7, 0 71\t12345",
         Tokens({u"07", u"7", u"0", u"71", u"12345"})},
        {"digits of other scripts separate like letters", u"1\u0663 2\uFF15 3", Tokens({u"1", u"2", u"3"})},
        {"no digits give no token", u"  Gewinnzahlen: --  ", {}},
        {"empty text", u"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FilterWinningNumbers(c.text), c.tokens) << c.name;
    }
}

TEST(WinningNumberFilter, OnlyTheFirstTwentyTokensReachTheFields) {
    std::u16string text;
    for (int n = 1; n <= 25; ++n) {
        text += u"Zahl ";
        for (char c : std::to_string(n)) {
            text += static_cast<char16_t>(c);
        }
        text += u";";
    }
    const auto tokens = FilterWinningNumbers(text);
    ASSERT_EQ(tokens.size(), 20u);
    EXPECT_EQ(tokens.front(), u"1");
    EXPECT_EQ(tokens.back(), u"20");
}

TEST(WinningNumberFilter, FieldsAfterTheLastTokenKeepTheirText) {
    NumberFields fields;
    std::vector<std::u16string> twenty;
    for (int k = 1; k <= 20; ++k) {
        twenty.push_back(u"5" + std::u16string(1, static_cast<char16_t>(u'0' + k % 10)));
    }
    FillNumberFields(fields, twenty);
    FillNumberFields(fields, std::vector<std::u16string>(15, u"1"));
    EXPECT_EQ(fields[14], u"1");
    EXPECT_EQ(fields[15], twenty[15]);
    EXPECT_EQ(fields[19], twenty[19]);
}

TEST(WinningNumberFilter, AutomaticFilterNeedsMoreThanTwentyCodeUnits) {
    EXPECT_FALSE(AutoFilterRuns(true, 20));
    EXPECT_TRUE(AutoFilterRuns(true, 21));
    EXPECT_FALSE(AutoFilterRuns(false, 500));
}

TEST(WinningNumberFilter, OnlyTheNumbersOneToSeventyNameAButton) {
    for (const auto& [text, expected] :
         std::vector<std::pair<std::u16string, std::optional<int>>>{{u"1", 1},
                                                                    {u"70", 70},
                                                                    {u"07", std::nullopt},
                                                                    {u"0", std::nullopt},
                                                                    {u"71", std::nullopt},
                                                                    {u"12345", std::nullopt},
                                                                    {u"", std::nullopt},
                                                                    {u" 5", std::nullopt}}) {
        EXPECT_EQ(NumberButtonFor(text), expected);
    }
}

TEST(Transfer, ClicksTheBoardLikeTheUserAndSkipsWhatNamesNoButton) {
    ProgramState state;
    ClickNumber(state, 9); // marked before the transfer: the transfer unmarks it
    NumberFields fields;
    const std::vector<std::u16string> texts = {u"12", u"03", u"2024", u"9", u"5", u"5", u"33"};
    FillNumberFields(fields, texts);
    const TransferPlan plan = PlanTransfer(fields);
    EXPECT_THAT(plan.clicks, ElementsAre(12, 9, 5, 5, 33));
    EXPECT_THAT(plan.skipped, ElementsAre(u"03", u"2024"));
    for (int n : plan.clicks) {
        ClickNumber(state, n);
    }
    EXPECT_EQ(state.MarkedCount, 2);
    EXPECT_THAT(MarkedNumbersAscending(state), ElementsAre(12, 33));
}

TEST(Transfer, ARefusedTwentyFirstMarkDoesNotStopTheOthers) {
    ProgramState state;
    for (int n = 1; n <= 19; ++n) {
        ClickNumber(state, n);
    }
    NumberFields fields;
    FillNumberFields(fields, {u"40", u"41", u"1", u"42"});
    std::vector<ClickOutcome> outcomes;
    for (int n : PlanTransfer(fields).clicks) {
        outcomes.push_back(ClickNumber(state, n));
    }
    EXPECT_THAT(outcomes, ElementsAreArray({ClickOutcome::Marked, ClickOutcome::Refused, ClickOutcome::Unmarked,
                                            ClickOutcome::Marked}));
    EXPECT_EQ(state.MarkedCount, 20);
}

} // namespace
} // namespace qv
