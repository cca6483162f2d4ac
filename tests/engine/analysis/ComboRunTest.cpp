#include "engine/analysis/ComboRun.h"
#include "engine/analysis/BlockCounter.h"
#include "engine/analysis/Combinations.h"
#include "engine/analysis/ListKeeper.h"

#include "support/TestHistories.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <span>

namespace qv {
namespace {

using testing::History;
using testing::TieHeavyHistories;

TEST(CombinationsTest, RankAndCombinationAgreeAtTheEndsAndInside) {
    const std::vector<int> first{1, 2};
    const std::vector<int> thousandth{17, 33};
    const std::vector<int> last{66, 67, 68, 69, 70};
    EXPECT_EQ(CombinationRank(first), 0u);
    EXPECT_EQ(CombinationRank(thousandth), 999u);
    EXPECT_EQ(CombinationRank(last), 12103013u);
    EXPECT_EQ(CombinationAt(2, 999), (NumberSet{17, 33}));
    EXPECT_EQ(CombinationAt(5, 0), (NumberSet{1, 2, 3, 4, 5}));
    EXPECT_EQ(CombinationAt(5, 12103013), (NumberSet{66, 67, 68, 69, 70}));
    for (int k = kMinRunSize; k <= kMaxRunSize; ++k) {
        const std::uint64_t total = CombinationsOf70(k);
        for (std::uint64_t rank : {std::uint64_t{0}, total / 3, total / 2 + 7, total - 1}) {
            std::vector<int> numbers;
            CombinationAt(k, rank).ForEach([&numbers](int n) { numbers.push_back(n); });
            ASSERT_EQ(static_cast<int>(numbers.size()), k);
            EXPECT_EQ(CombinationRank(numbers), rank) << "k=" << k;
        }
    }
}

// Decoding from the table of starts, near its smallest values and across the whole range; sizes
// above 5 walk instead.
TEST(CombinationsTest, CombinationAtAndRankRoundTripOverTheRange) {
    const auto roundTrip = [](int k, std::uint64_t rank) {
        std::vector<int> numbers;
        CombinationAt(k, rank).ForEach([&numbers](int n) { numbers.push_back(n); });
        return numbers.size() == static_cast<std::size_t>(k) && CombinationRank(numbers) == rank;
    };
    for (const auto& [k, step] :
         {std::pair{2, 1ull}, std::pair{3, 1ull}, std::pair{4, 97ull}, std::pair{5, 9973ull}, std::pair{7, 99991ull}}) {
        const std::uint64_t total = CombinationsOf70(k);
        std::uint64_t checked = 0;
        for (std::uint64_t rank = 0; rank < total; rank += step * (1 + checked / 20000)) {
            ASSERT_TRUE(roundTrip(k, rank)) << "k=" << k << " rank " << rank;
            ++checked;
        }
        for (std::uint64_t back = 1; back <= 3000 && back <= total; ++back) {
            ASSERT_TRUE(roundTrip(k, total - back)) << "k=" << k << " rank " << total - back;
        }
        EXPECT_THROW(CombinationAt(k, total), std::invalid_argument);
    }
}

// Every combination counted the slow way, in lexicographic order, against the fast counts.
TEST(CombinationsTest, CountsOfAllCombinationsMatchTestingEachOne) {
    std::mt19937 random(7);
    std::vector<NumberSet> draws;
    for (int i = 0; i < 6; ++i) {
        draws.push_back(testing::RandomDraw(random));
    }
    draws.push_back(draws.front());
    draws.push_back(NumberSet{1, 2, 3, 4, 5, 6, 7, 70, 0, 71, 200}); // numbers outside 1 to 70 count for nothing
    for (int k = kMinRunSize; k <= kMaxRunSize; ++k) {
        const std::vector<std::uint32_t> counts = CountAllCombinations(k, draws);
        ASSERT_EQ(counts.size(), CombinationsOf70(k));
        std::array<int, kMaxRunSize> a{};
        for (int j = 0; j < k; ++j) {
            a[j] = j + 1;
        }
        std::size_t mismatches = 0;
        for (std::size_t rank = 0; rank < counts.size(); ++rank) {
            NumberSet combination;
            for (int j = 0; j < k; ++j) {
                combination.Add(a[j]);
            }
            std::uint32_t expected = 0;
            for (const NumberSet& draw : draws) {
                expected += combination.IsSubsetOf(draw) ? 1 : 0;
            }
            mismatches += counts[rank] != expected ? 1 : 0;
            int j = k - 1;
            while (j >= 0 && a[j] == 70 - k + 1 + j) {
                --j;
            }
            if (j >= 0) {
                ++a[j];
                for (int i = j + 1; i < k; ++i) {
                    a[i] = a[i - 1] + 1;
                }
            }
        }
        EXPECT_EQ(mismatches, 0u) << "k=" << k;
    }
}

// The counts of every combination from each draw's own subsets, one at a time.
std::vector<std::uint32_t> CountEachDrawsSubsets(int k, const std::vector<NumberSet>& draws) {
    std::vector<std::uint32_t> counts(CombinationsOf70(k));
    for (const NumberSet& draw : draws) {
        std::vector<int> numbers;
        draw.ForEach([&numbers](int n) { numbers.push_back(n); });
        std::vector<int> positions(static_cast<std::size_t>(k));
        for (int j = 0; j < k; ++j) {
            positions[static_cast<std::size_t>(j)] = j;
        }
        std::array<int, kMaxRunSize> subset{};
        do {
            for (std::size_t j = 0; j < positions.size(); ++j) {
                subset[j] = numbers[static_cast<std::size_t>(positions[j])];
            }
            ++counts[CombinationRank(std::span<const int>(subset.data(), positions.size()))];
        } while (NextCombination(positions, static_cast<int>(numbers.size())));
    }
    return counts;
}

// Histories long enough that the draws holding a combination's first numbers fill several 64-bit words
// at every step (draws of only 25 or 21 numbers), more than eight at the last one (21 numbers), and
// that end inside a word; counted with and without the processor's bit instructions.
TEST(CombinationsTest, CountsOfLongHistoriesMatchEachDrawsOwnSubsets) {
    std::mt19937 random(17);
    std::vector<History> histories{
        {"130 random draws", {}}, {"25 numbers, 300 draws", {}}, {"21 numbers, 700 draws", {}}};
    for (int i = 0; i < 130; ++i) {
        histories[0].draws.push_back(testing::RandomDraw(random));
    }
    for (int i = 0; i < 300; ++i) {
        histories[1].draws.push_back(testing::RandomDraw(random, 25));
    }
    for (int i = 0; i < 700; ++i) {
        histories[2].draws.push_back(testing::RandomDraw(random, 21));
    }
    for (const History& history : histories) {
        for (int k = kMinRunSize; k <= kMaxRunSize; ++k) {
            SCOPED_TRACE(history.name + ", k=" + std::to_string(k));
            const std::vector<std::uint32_t> expected = CountEachDrawsSubsets(k, history.draws);
            for (const auto instructions : {BlockCounter::Instructions::Best, BlockCounter::Instructions::Portable}) {
                const BlockCounter counter(k, history.draws, instructions);
                std::vector<std::uint32_t> counts(CombinationsOf70(k));
                counter.Run([&counts](std::uint32_t start, std::uint32_t) { return counts.data() + start; },
                            [](std::uint32_t, const std::uint32_t*, std::uint32_t) { return true; });
                EXPECT_TRUE(counts == expected)
                    << (instructions == BlockCounter::Instructions::Best ? "best" : "portable");
            }
        }
    }
}

void ExpectSameLists(const ComboRunResult& fast, const ComboRunResult& literal) {
    ASSERT_EQ(fast.cancelled, literal.cancelled);
    ASSERT_EQ(fast.tops.size(), literal.tops.size());
    ASSERT_EQ(fast.flops.size(), literal.flops.size());
    for (std::size_t i = 0; i < fast.tops.size(); ++i) {
        ASSERT_EQ(fast.tops[i], literal.tops[i]) << "tops entry " << i << ": " << JoinedNumbers(fast.tops[i].set)
                                                 << " vs " << JoinedNumbers(literal.tops[i].set);
    }
    for (std::size_t i = 0; i < fast.flops.size(); ++i) {
        ASSERT_EQ(fast.flops[i], literal.flops[i]) << "flops entry " << i << ": " << JoinedNumbers(fast.flops[i].set)
                                                   << " vs " << JoinedNumbers(literal.flops[i].set);
    }
}

// The whole run, both ways, over the histories where ties decide the lists. Size 4 only on the two
// histories that keep the literal run short.
TEST(ComboRunTest, ProgramRunGivesTheLiteralListsOnTieHeavyHistories) {
    for (const History& history : TieHeavyHistories()) {
        for (int k = 2; k <= 4; ++k) {
            if (k == 4 && history.name != "25 numbers, 30 draws" && history.name != "60 random draws") {
                continue;
            }
            SCOPED_TRACE(history.name + ", k=" + std::to_string(k));
            ExpectSameLists(RunCombinations(k, history.draws), RunCombinationsLiteral(k, history.draws));
        }
    }
}

// The sizes 2 to 4 against the literal run on a small random history. (The literal run of five numbers
// takes a quarter of a minute even over ten draws, since it shifts the whole flops list for every count
// of 0: the identity program in bench/ compares it; here the lists of five are checked against their
// counts offered in order, and the counts against each draw's own subsets.)
TEST(ComboRunTest, ProgramRunGivesTheLiteralListsOnASmallRandomHistory) {
    std::mt19937 random(23);
    std::vector<NumberSet> draws;
    for (int i = 0; i < 10; ++i) {
        draws.push_back(testing::RandomDraw(random));
    }
    for (int k = kMinRunSize; k <= 4; ++k) {
        SCOPED_TRACE("k=" + std::to_string(k));
        ExpectSameLists(RunCombinations(k, draws), RunCombinationsLiteral(k, draws));
    }
}

// The list rules alone, on count sequences that no small history gives: rising and falling runs, long
// stretches of one count, counts above the free flops entries, zeros only late. The ranks run through
// the first combinations of each size.
TEST(ComboRunTest, ProgramListsMatchShiftedListsOnCountSequences) {
    std::mt19937 random(99);
    struct Sequence {
        std::string name;
        std::vector<std::uint32_t> counts;
    };
    std::vector<Sequence> sequences;
    const std::size_t length = 6000;
    Sequence rising{"rising", {}};
    Sequence falling{"falling", {}};
    Sequence plateaus{"plateaus", {}};
    Sequence lateZeros{"zeros only late", {}};
    Sequence huge{"counts above 1000000", {}};
    Sequence mixed{"random with many ties", {}};
    // Counts above a byte while the flops take only zeros, the tops' threshold both below and above 255.
    Sequence wide{"zeros among counts above 255", {}};
    for (std::size_t i = 0; i < length; ++i) {
        rising.counts.push_back(static_cast<std::uint32_t>(i / 3));
        falling.counts.push_back(static_cast<std::uint32_t>((length - i) / 5));
        plateaus.counts.push_back(static_cast<std::uint32_t>((i / 700) % 4));
        lateZeros.counts.push_back(i < 4000 ? 1 + static_cast<std::uint32_t>(random() % 3) : 0);
        huge.counts.push_back(i % 7 == 0 ? 1000000 + static_cast<std::uint32_t>(random() % 3)
                                         : static_cast<std::uint32_t>(random() % 5));
        mixed.counts.push_back(static_cast<std::uint32_t>(random() % 4));
        const std::uint32_t spread = i < 3000 ? 300 : 600;
        wide.counts.push_back(i % 3 == 0 ? 0 : static_cast<std::uint32_t>(random() % spread));
    }
    sequences = {rising, falling, plateaus, lateZeros, huge, mixed, wide};
    for (const Sequence& sequence : sequences) {
        for (int k : {2, 5}) {
            SCOPED_TRACE(sequence.name + ", k=" + std::to_string(k));
            const std::size_t n = std::min<std::size_t>(sequence.counts.size(), CombinationsOf70(k));
            const std::span<const std::uint32_t> counts(sequence.counts.data(), n);
            ExpectSameLists(KeepLists(k, counts), KeepListsLiteral(k, counts));
        }
    }
}

// Pairs over a long history: every pair occurs, so the first 1000 pairs ({1,2} to {17,33}) fill the
// tops list when they are counted and never reach the flops list.
TEST(ComboRunTest, FirstThousandPairsNeverReachTheFlopsWhenEveryPairOccurs) {
    std::mt19937 random(3);
    std::vector<NumberSet> draws;
    for (int i = 0; i < 400; ++i) {
        draws.push_back(testing::RandomDraw(random));
    }
    const ComboRunResult run = RunCombinations(2, draws);
    for (const ComboEntry& entry : run.flops) {
        if (entry.set.Empty()) {
            continue; // a free entry
        }
        std::vector<int> numbers;
        entry.set.ForEach([&numbers](int n) { numbers.push_back(n); });
        EXPECT_GT(CombinationRank(numbers), 999u) << JoinedNumbers(entry.set);
    }
    ExpectSameLists(run, RunCombinationsLiteral(2, draws));
}

// Runs of five numbers count their blocks on one thread or two; the lists must come out as if the
// counts had been offered one by one in rank order (the list rules themselves are checked against the
// shifted lists above). Draws of only 25 numbers make long stretches of ties between blocks.
TEST(ComboRunTest, RunOfFiveGivesTheListsOfItsCountsOfferedInOrderOnOneThreadOrTwo) {
    std::mt19937 random(11);
    std::vector<History> histories{{"200 random draws", {}}, {"25 numbers, 60 draws", {}}};
    for (int i = 0; i < 200; ++i) {
        histories[0].draws.push_back(testing::RandomDraw(random));
    }
    for (int i = 0; i < 60; ++i) {
        histories[1].draws.push_back(testing::RandomDraw(random, 25));
    }
    for (const History& history : histories) {
        SCOPED_TRACE(history.name);
        const ComboRunResult expected = KeepLists(5, CountAllCombinations(5, history.draws));
        for (const int threads : {1, 2}) {
            SCOPED_TRACE(threads);
            WorkControl control;
            control.threads = threads;
            ExpectSameLists(RunCombinations(5, history.draws, control), expected);
        }
    }
}

// Lists that take only count 0 into the flops from the start are right exactly when 1000 counts are 0,
// and say when they are not.
TEST(ComboRunTest, FlopsOfZerosOnlyAreCompleteFromTheThousandthZero) {
    std::mt19937 random(31);
    for (const std::size_t zeros : {std::size_t{999}, std::size_t{1000}, std::size_t{1700}}) {
        SCOPED_TRACE(zeros);
        std::vector<std::uint32_t> counts(20000);
        for (std::uint32_t& count : counts) {
            count = 1 + static_cast<std::uint32_t>(random() % 6);
        }
        for (std::size_t i = 0; i < zeros; ++i) {
            counts[(i * 7919) % counts.size()] = 0;
        }
        const WorkControl none;
        ListKeeper lists(RunProgressInterval(5), none, true);
        ASSERT_TRUE(lists.Take(counts.data(), 0, static_cast<std::uint32_t>(counts.size())));
        EXPECT_EQ(lists.FlopsComplete(), zeros >= 1000);
        if (lists.FlopsComplete()) {
            const ComboRunResult literal = KeepListsLiteral(5, counts);
            ExpectSameLists({false, lists.Tops(5), lists.Flops(5)}, literal);
        }
    }
}

// Draws of all 70 numbers leave no combination undrawn, though a hundred draws of 20 would leave
// thousands of threes: the run notices and keeps the flops in full, reporting its progress once.
TEST(ComboRunTest, RunOverDrawsThatCoverEveryCombinationStillGivesTheLiteralLists) {
    NumberSet all;
    for (int n = 1; n <= 70; ++n) {
        all.Add(n);
    }
    const std::vector<NumberSet> draws(100, all);
    std::vector<std::uint64_t> fastReports;
    std::vector<std::uint64_t> literalReports;
    const ComboRunResult fast =
        RunCombinations(3, draws, {[&fastReports](std::uint64_t done) { fastReports.push_back(done); }, nullptr});
    const ComboRunResult literal = RunCombinationsLiteral(
        3, draws, {[&literalReports](std::uint64_t done) { literalReports.push_back(done); }, nullptr});
    ExpectSameLists(fast, literal);
    EXPECT_EQ(fastReports, literalReports);
}

TEST(ComboRunTest, ProgressAndCancelStopAtTheSameCombinationBothWays) {
    std::mt19937 random(5);
    std::vector<NumberSet> draws;
    for (int i = 0; i < 10; ++i) {
        draws.push_back(testing::RandomDraw(random));
    }
    for (const auto& [k, stopAt] : {std::pair{2, std::uint64_t{700}}, std::pair{3, std::uint64_t{1200}},
                                    std::pair{4, std::uint64_t{6000}}, std::pair{5, std::uint64_t{4000}}}) {
        SCOPED_TRACE("k=" + std::to_string(k));
        const auto reportsUntilCancel = [&, k = k, stopAt = stopAt](auto run) {
            std::atomic<bool> cancel{false};
            std::vector<std::uint64_t> reports;
            WorkControl control{[&](std::uint64_t done) {
                                    reports.push_back(done);
                                    if (done == stopAt) {
                                        cancel = true;
                                    }
                                },
                                &cancel};
            const ComboRunResult result = run(k, draws, control);
            EXPECT_TRUE(result.cancelled);
            EXPECT_TRUE(result.tops.empty());
            EXPECT_TRUE(result.flops.empty());
            return reports;
        };
        const auto fast = reportsUntilCancel([](int size, std::vector<NumberSet> sets, const WorkControl& c) {
            return RunCombinations(size, std::move(sets), c);
        });
        const auto literal = reportsUntilCancel([](int size, std::vector<NumberSet> sets, const WorkControl& c) {
            return RunCombinationsLiteral(size, std::move(sets), c);
        });
        EXPECT_EQ(fast, literal);
        ASSERT_FALSE(fast.empty());
        EXPECT_EQ(fast.back(), stopAt);
        EXPECT_EQ(fast.front(), RunProgressInterval(k));
    }
}

TEST(ComboRunTest, FullRunReportsEveryIntervalOfItsSize) {
    const std::vector<NumberSet> draws{
        NumberSet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}};
    std::vector<std::uint64_t> reports;
    const ComboRunResult result =
        RunCombinations(3, draws, {[&reports](std::uint64_t done) { reports.push_back(done); }, nullptr});
    EXPECT_FALSE(result.cancelled);
    ASSERT_EQ(reports.size(), 547u); // 54740 combinations, every 100th
    EXPECT_EQ(reports.front(), 100u);
    EXPECT_EQ(reports.back(), 54700u);
}

TEST(ComboRunTest, FiguresBeforeTheRun) {
    EXPECT_EQ(CombinationsOf70(2), 2415u);
    EXPECT_EQ(CombinationsOf70(5), 12103014u);
    EXPECT_EQ(CombinationsOf20(4), 4845u);
    EXPECT_NEAR(ExpectedCount(2, 1000), 78.674, 0.001);
    EXPECT_NEAR(ExpectedCount(2, 1), 0.0787, 0.0001);
    EXPECT_EQ(CheckCount(5, 1000), 12103014000u);
}

} // namespace
} // namespace qv
