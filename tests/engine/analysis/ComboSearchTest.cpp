#include "engine/analysis/ComboSearch.h"
#include "engine/analysis/Combinations.h"

#include "support/TestHistories.h"

#include <gtest/gtest.h>

#include <atomic>

namespace qv {
namespace {

TEST(CombinationListTest, PairsOfAFourNumberPoolInListOrder) {
    const CombinationList list = BuildCombinationList(NumberSet{40, 3, 15, 8}, 2);
    EXPECT_TRUE(list.refusal.empty());
    const std::vector<NumberSet> expected = {{3, 8}, {3, 15}, {3, 40}, {8, 15}, {8, 40}, {15, 40}};
    EXPECT_EQ(list.sets, expected);
    EXPECT_EQ(BuildCombinationList(NumberSet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, 10)
                  .sets.size(),
              184756u);
}

TEST(CombinationListTest, RefusalsInTheirOrder) {
    struct Case {
        NumberSet pool;
        int k;
        const char* refusal;
    };
    const std::vector<Case> cases = {
        {{1, 2, 3, 4}, 0, kNoSizeChosenText},             // no size chosen, whatever the pool
        {{}, 0, kNoSizeChosenText},                       //
        {{7}, 2, kPoolTooSmallText},                      // one number
        {{7, 9}, 2, kPoolNotLargerThanSizeText},          // two numbers never get the "drei Zahlen" text
        {{1, 2, 3, 4, 5}, 5, kPoolNotLargerThanSizeText}, //
        {{1, 2, 3, 4, 5, 6}, 5, nullptr},                 // one more than the size is enough
    };
    for (const Case& c : cases) {
        const CombinationList list = BuildCombinationList(c.pool, c.k);
        if (c.refusal == nullptr) {
            EXPECT_TRUE(list.refusal.empty());
            EXPECT_EQ(list.sets.size(), 6u);
        } else {
            EXPECT_EQ(list.refusal, c.refusal) << JoinedNumbers(c.pool) << " k=" << c.k;
            EXPECT_TRUE(list.sets.empty());
        }
    }
}

TEST(ComboSearchTest, ADrawHoldingThreePoolNumbersGivesThreePairRows) {
    const std::vector<NumberSet> draws = {
        {4, 5, 6},         // no pool number
        {1, 2, 3, 40, 50}, // the whole pool
        {2, 3, 60},        // one pair
    };
    const SearchResult result = SearchCombinations(NumberSet{1, 2, 3}, 2, draws);
    const std::vector<SearchRow> expected = {
        {1, true, {1, 2}}, {1, false, {1, 3}}, {1, false, {2, 3}}, {2, true, {2, 3}}};
    EXPECT_EQ(result.rows, expected);
    EXPECT_FALSE(result.cancelled);
    const SearchResult whole = SearchWholePool(NumberSet{2, 3}, draws);
    const std::vector<SearchRow> wholeRows = {{1, true, {2, 3}}, {2, true, {2, 3}}};
    EXPECT_EQ(whole.rows, wholeRows);
}

// The output-sensitive search against every combination of the list tested against every draw.
TEST(ComboSearchTest, SharedNumbersSearchGivesTheRowsOfTheLiteralSearch) {
    std::mt19937 random(11);
    for (const testing::History& history : testing::TieHeavyHistories()) {
        for (const int poolCount : {3, 8, 14, 20}) {
            // Mostly small numbers, so that pools share many numbers with the narrow histories.
            const NumberSet pool = testing::RandomDraw(random, 30);
            NumberSet trimmed;
            int taken = 0;
            pool.ForEach([&](int n) {
                if (taken < poolCount) {
                    trimmed.Add(n);
                    ++taken;
                }
            });
            for (int k = 2; k < taken && k <= 10; k += 3) {
                SCOPED_TRACE(history.name + ", pool " + JoinedNumbers(trimmed) + ", k=" + std::to_string(k));
                const CombinationList list = BuildCombinationList(trimmed, k);
                ASSERT_TRUE(list.refusal.empty());
                EXPECT_EQ(SearchCombinations(trimmed, k, history.draws).rows,
                          SearchCombinationsLiteral(list.sets, history.draws).rows);
            }
        }
    }
}

TEST(ComboSearchTest, CancelStopsBeforeTheNextDraw) {
    const std::vector<NumberSet> draws(5, NumberSet{1, 2, 3});
    std::atomic<bool> cancel{false};
    std::vector<std::uint64_t> reports;
    const WorkControl control{[&](std::uint64_t offset) {
                                  reports.push_back(offset);
                                  cancel = offset == 2;
                              },
                              &cancel};
    const SearchResult result = SearchCombinations(NumberSet{1, 2, 3}, 2, draws, control);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(reports, (std::vector<std::uint64_t>{0, 1, 2}));
    EXPECT_EQ(result.rows.size(), 6u); // draws 0 and 1, three pairs each
    cancel = false;
    reports.clear();
    const SearchResult literal =
        SearchCombinationsLiteral(BuildCombinationList(NumberSet{1, 2, 3}, 2).sets, draws, control);
    EXPECT_EQ(literal.rows, result.rows);
}

TEST(ComboSearchTest, ResultTexts) {
    EXPECT_EQ(HitCountText(SearchMode::WholePool, 0), "Kombination ist nicht aufgetreten");
    EXPECT_EQ(HitCountText(SearchMode::WholePool, 12), "Kombinationshäufigkeit: 12");
    EXPECT_EQ(HitCountText(SearchMode::Combinations, 0), "Keine der Kombinationen ist aufgetreten");
    EXPECT_EQ(HitCountText(SearchMode::Combinations, 1234), "Kombinationenhäufigkeit: 1234");
    EXPECT_EQ(SearchPeriodText(1), "  Suchergebnis für 1 Ausspielungen:");
}

} // namespace
} // namespace qv
