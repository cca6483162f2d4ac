#include "engine/evaluation/Odds.h"

#include "engine/core/GameTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace qv {
namespace {

TSchein SlipWithFields(const std::vector<std::vector<int>>& fields, std::uint8_t einsatz) {
    TSchein slip;
    slip.einsatz = einsatz;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        for (std::size_t p = 0; p < fields[f].size(); ++p) {
            slip.Z[f][p] = static_cast<std::uint8_t>(fields[f][p]);
        }
        slip.kenotyp[f] = static_cast<std::uint8_t>(fields[f].size());
    }
    return slip;
}

TEST(OddsOf, EveryOutcomeIsCountedOnce) {
    for (int k = 0; k <= kMaxKenoType; ++k) {
        const KenoTypeOdds odds = OddsOf(k);
        ASSERT_EQ(odds.hits.size(), static_cast<std::size_t>(k + 1));
        std::uint64_t ways = 0;
        double probability = 0;
        for (const HitOdds& hit : odds.hits) {
            ways += hit.ways;
            probability += hit.probability;
        }
        EXPECT_EQ(ways, odds.outcomes) << "type " << k;
        EXPECT_NEAR(probability, 1.0, 1e-12) << "type " << k;
    }
}

TEST(OddsOf, TenOfTenIsOneIn2147181) {
    const KenoTypeOdds odds = OddsOf(10);
    EXPECT_EQ(odds.outcomes, 396704524216u);
    EXPECT_EQ(odds.hits[10].ways, 184756u); // 20 over 10
    EXPECT_EQ(std::llround(1.0 / odds.hits[10].probability), 2147181);
    // A single number comes up in 2 of 7 draws.
    EXPECT_DOUBLE_EQ(OddsOf(1).hits[1].probability, 2.0 / 7.0);
}

// Per Keno type: the sum over the hit counts of rate x (20 over h) x (50 over k-h), the outcomes that
// win anything, and all outcomes (70 over k), worked out from the payout table.
struct TypeCase {
    int kenoType;
    double paidPerEuro;
    std::uint64_t winningOutcomes;
    std::uint64_t outcomes;
};

TEST(OddsOf, ExpectedPayoutPerEuroFollowsThePayoutTable) {
    const TypeCase cases[] = {
        {2, 1235, 190, 2415},
        {3, 27740, 10640, 54740},
        {4, 492100, 294595, 916895},
        {5, 6329850, 1654254, 12103014},
        {6, 69340500, 29093085, 131115985},
        {7, 647330400, 120892320, 1198774720},
        {8, 4948259550, 892240020, 9440350920},
        {9, 34751273500, 6937129360, 65033528560},
        {10, 208413371550, 53730249216, 396704524216},
    };
    for (const TypeCase& c : cases) {
        const KenoTypeOdds odds = OddsOf(c.kenoType);
        const auto outcomes = static_cast<double>(c.outcomes);
        EXPECT_EQ(odds.outcomes, c.outcomes) << "type " << c.kenoType;
        EXPECT_NEAR(odds.expectedPayout, c.paidPerEuro / outcomes, 1e-12) << "type " << c.kenoType;
        EXPECT_NEAR(odds.winChance, static_cast<double>(c.winningOutcomes) / outcomes, 1e-12) << "type " << c.kenoType;
        // Roughly half of every stake comes back; type 3 pays least (0.507), type 7 most (0.540).
        EXPECT_GT(odds.expectedPayout, 0.50) << "type " << c.kenoType;
        EXPECT_LT(odds.expectedPayout, 0.54) << "type " << c.kenoType;
    }
}

TEST(OddsOf, FieldSizesOutsideTheGameAreRefused) {
    EXPECT_THROW(OddsOf(-1), std::invalid_argument);
    EXPECT_THROW(OddsOf(11), std::invalid_argument);
    EXPECT_EQ(OddsOf(1).expectedPayout, 0.0); // no Keno type 1: odds, but no payout
}

TEST(ExpectationOf, StakeAndExpectedPayoutOfEveryUsedField) {
    // Type 2 and type 10 at 2 euros (stake index 1).
    const TSchein slip = SlipWithFields({{1, 2}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, 1);
    const SlipExpectation expectation = ExpectationOf(slip);
    const double expected = 2 * 1235.0 / 2415.0 + 2 * 208413371550.0 / 396704524216.0;
    EXPECT_DOUBLE_EQ(expectation.stakePerDraw, 4.0);
    EXPECT_NEAR(expectation.expectedPayoutPerDraw, expected, 1e-12);
    EXPECT_DOUBLE_EQ(expectation.StakePerMonth(), 120.0);
    EXPECT_NEAR(expectation.ExpectedLossPerMonth(), 30 * (4.0 - expected), 1e-9);
}

TEST(ExpectationOf, OddSlipsCountAsTheEvaluationCountsThem) {
    // A stake index outside the table plays for 0 euros.
    const SlipExpectation free = ExpectationOf(SlipWithFields({{1, 2, 3}}, 9));
    EXPECT_EQ(free.stakePerDraw, 0.0);
    EXPECT_EQ(free.expectedPayoutPerDraw, 0.0);

    // A field stored as type 3 whose numbers repeat holds two numbers: it hits like a field of two
    // and is paid by the table of type 3.
    TSchein doubled = SlipWithFields({{5, 5, 9}}, 0);
    const SlipExpectation expectation = ExpectationOf(doubled);
    const KenoTypeOdds two = OddsOf(2);
    EXPECT_NEAR(expectation.expectedPayoutPerDraw, two.hits[2].probability * 1.0, 1e-15);

    EXPECT_EQ(ExpectationOf(TSchein{}).stakePerDraw, 0.0);
}

} // namespace
} // namespace qv
