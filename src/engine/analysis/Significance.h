#pragma once

#include "engine/analysis/DrawStatistics.h"

#include <array>

namespace qv {

// How far the frequencies of a period lie from pure chance, measured exactly rather than in the bands
// of the legend.
//
// A number is among the 20 of a draw with the chance 20/70 = 2/7, so its count over N draws is
// binomial with the mean N·2/7 and the standard deviation σ = √(N·2/7·5/7). The 70 counts of one
// period are not independent: every draw adds exactly 20 to their sum and never the same number
// twice. Pearson's χ² statistic over them therefore has the mean 50 instead of 69 under pure chance;
// scaled by 69/50 it follows the χ² distribution with 69 degrees of freedom closely.

// The chance that a χ² variable with degreesOfFreedom degrees of freedom reaches statistic or more:
// the regularized upper incomplete gamma function Q(df/2, statistic/2). 1 for a statistic of 0 or below.
double ChiSquareUpperTail(double statistic, double degreesOfFreedom);

// The regularized upper incomplete gamma function Q(a, x) = Γ(a, x) / Γ(a) for a > 0 and x ≥ 0.
double RegularizedUpperGamma(double a, double x);

// Fewer draws than this expect fewer than 5 hits per number, too few for the χ² approximation.
inline constexpr int kMinDrawsForChiSquare = 18;

// The uniformity test over the numbers 1 to 70 has 69 degrees of freedom.
inline constexpr int kChiSquareDegreesOfFreedom = 69;

struct Significance {
    int drawCount = 0;
    double expected = 0; // N·2/7, a number's mean count
    double sigma = 0;    // √(N·2/7·5/7)
    // (count - expected) / sigma of number n at n-1.
    std::array<double, 70> deviations{};
    // Numbers whose count lies more than 2σ from the mean, and how many pure chance puts there on
    // average (70 · P(|Z| > 2), about 3.2).
    int outsideTwoSigma = 0;
    double expectedOutsideTwoSigma = 0;
    double chiSquare = 0;             // Pearson's statistic × 69/50
    double pValue = 1;                // chance of a statistic this large or larger under pure chance
    bool chiSquareMeaningful = false; // at least kMinDrawsForChiSquare draws
};

// The significance of the frequencies counted over drawCount draws (at least one).
Significance ComputeSignificance(const NumberCounts& frequencies, int drawCount);

} // namespace qv
