#include "engine/analysis/Significance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace qv {
namespace {

// Numbers from, from+1, ... 20 of them, counted round past 70 to 1.
TGewZahlen RunFrom(int from) {
    TGewZahlen draw;
    for (std::size_t p = 0; p < 20; ++p) {
        draw.GZ[p] = static_cast<std::uint8_t>((from - 1 + static_cast<int>(p)) % 70 + 1);
    }
    return draw;
}

TEST(ChiSquareUpperTail, MatchesKnownQuantiles) {
    struct Case {
        double degrees;
        double statistic;
        double p;
    };
    // Upper-tail quantiles of the χ² distribution (computed to 30 digits elsewhere).
    const Case cases[] = {
        {1, 3.841458820694124, 0.05},    {2, 5.991464547107979, 0.05},    {69, 68.3344905873, 0.5},
        {69, 89.3912078725, 0.05},       {69, 99.2275154706, 0.01},       {69, 111.055065563, 0.001},
        {69, 60, 0.771803659304164},     {10, 3, 0.981424063777859},      {69, 138, 1.62386614932139e-6},
        {69, 200, 1.10093283039628e-14}, {69, 300, 1.44801759960841e-30},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ChiSquareUpperTail(c.statistic, c.degrees) / c.p, 1.0, 1e-8)
            << c.degrees << " degrees, statistic " << c.statistic;
    }
    EXPECT_EQ(ChiSquareUpperTail(0, 69), 1.0);
    EXPECT_EQ(ChiSquareUpperTail(-1, 69), 1.0);
    EXPECT_NEAR(ChiSquareUpperTail(10, 69), 1.0, 1e-12);
    EXPECT_EQ(ChiSquareUpperTail(1e6, 69), 0.0) << "far past the smallest double";
    EXPECT_EQ(ChiSquareUpperTail(INFINITY, 69), 0.0);
    // For two degrees of freedom the tail is exp(-x/2) exactly; the series and the continued fraction
    // meet at x = 4.
    for (double x : {0.5, 3.9, 4.0, 4.1, 40.0}) {
        EXPECT_NEAR(ChiSquareUpperTail(x, 2) / std::exp(-x / 2), 1.0, 1e-12) << x;
    }
}

TEST(Significance, UniformHistoryGivesZeroAndCertainty) {
    // 28 draws in which every number comes up exactly 8 times.
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < 28; ++i) {
        draws.push_back(RunFrom(1 + 20 * i));
    }
    const NumberCounts counts = CountFrequencies(draws, 0, 27);
    ASSERT_EQ(counts[0], 8);
    ASSERT_EQ(counts[69], 8);
    const Significance s = ComputeSignificance(counts, 28);
    EXPECT_DOUBLE_EQ(s.expected, 8.0);
    EXPECT_DOUBLE_EQ(s.sigma, std::sqrt(28.0 * 2 / 7 * 5 / 7));
    EXPECT_NEAR(s.chiSquare, 0.0, 1e-12);
    EXPECT_EQ(s.pValue, 1.0);
    EXPECT_EQ(s.outsideTwoSigma, 0);
    EXPECT_NEAR(s.deviations[41], 0.0, 1e-12);
    EXPECT_NEAR(s.expectedOutsideTwoSigma, 3.185, 1e-3);
    EXPECT_TRUE(s.chiSquareMeaningful);
}

TEST(Significance, SkewedHistoryGivesATinyPValue) {
    // The same 20 numbers every time: Pearson's statistic is 50·N, corrected 69·N.
    struct Case {
        int draws;
        double p;
        int outside; // the 20 drawn ones, and from 7 draws on the 50 never drawn too
    };
    const Case cases[] = {{2, 1.62386614932139e-6, 20}, {28, 0.0, 70}};
    for (const Case& c : cases) {
        const std::vector<TGewZahlen> draws(static_cast<std::size_t>(c.draws), RunFrom(1));
        const Significance s = ComputeSignificance(CountFrequencies(draws, 0, c.draws - 1), c.draws);
        EXPECT_NEAR(s.chiSquare, 69.0 * c.draws, 1e-9) << c.draws;
        EXPECT_NEAR(s.pValue, c.p, c.p * 1e-8) << c.draws;
        EXPECT_LT(s.pValue, 1e-5) << c.draws;
        EXPECT_EQ(s.outsideTwoSigma, c.outside) << c.draws;
        // Drawn every time: (N - 2N/7) / √(N·10/49) = √(2.5·N); never drawn: -√(0.4·N).
        EXPECT_NEAR(s.deviations[0], std::sqrt(2.5 * c.draws), 1e-12) << c.draws;
        EXPECT_NEAR(s.deviations[20], -std::sqrt(0.4 * c.draws), 1e-12) << c.draws;
        EXPECT_EQ(s.chiSquareMeaningful, c.draws >= kMinDrawsForChiSquare) << c.draws;
    }
}

TEST(Significance, CountsBeyondTwoSigmaOnBothSides) {
    // 100 draws: mean 28.57, σ 4.52, so 2σ spans 19.54 to 37.61.
    NumberCounts counts{};
    counts.fill(29);
    counts[0] = 38; // above
    counts[1] = 37; // inside
    counts[2] = 19; // below
    counts[3] = 20; // inside
    const Significance s = ComputeSignificance(counts, 100);
    EXPECT_NEAR(s.sigma, 4.5175395, 1e-6);
    EXPECT_EQ(s.outsideTwoSigma, 2);
    EXPECT_NEAR(s.deviations[2], (19 - 200.0 / 7) / s.sigma, 1e-12);
}

} // namespace
} // namespace qv
