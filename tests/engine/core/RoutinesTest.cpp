#include "engine/core/BandLabels.h"
#include "engine/core/Binomial.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Binomial, IsExact) {
    struct Case {
        int n;
        int k;
        std::uint64_t expected;
    };
    const Case cases[] = {
        {70, 1, 70},
        {70, 69, 70},
        {20, 10, 184756},
        {70, 10, 396704524216},
        {70, 5, 12103014},
        {70, 20, 161884603662657876}, // beyond 2^53: doubles would lose the last digits
        {67, 33, 14226520737620288370u},
        {5, 0, 1},
        {5, 5, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Binomial(c.n, c.k), c.expected) << c.n << " over " << c.k;
    }
}

TEST(Binomial, TooLargeIsReportedNotRounded) {
    EXPECT_EQ(Binomial(70, 35), std::nullopt);
    EXPECT_EQ(Binomial(68, 34), std::nullopt);
    EXPECT_THROW(Binomial(3, 4), std::invalid_argument);
    EXPECT_THROW(Binomial(3, -1), std::invalid_argument);
}

TEST(BandLabels, Thresholds) {
    using Labels = std::array<std::string, 7>;
    EXPECT_EQ(BandLabels({40, 35, 30, 20, 15, 10}),
              (Labels{"> 40", "35 - 40", "30 - 34", "20 - 29", "15 - 19", "10 - 14", "< 10"}));
    EXPECT_EQ(BandLabels({40, 35, 30, 0, -5, -10}),
              (Labels{"> 40", "35 - 40", "30 - 34", "0 - 29", "irrelevant", "irrelevant", "irrelevant"}));
    EXPECT_EQ(BandLabels({9, 7, 5, 3, 0, -2}),
              (Labels{"> 9", "7 - 9", "5 - 6", "3 - 4", "0 - 2", "irrelevant", "irrelevant"}));
}

} // namespace
} // namespace qv
