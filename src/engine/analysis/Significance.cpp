#include "engine/analysis/Significance.h"

#include "engine/core/GameTables.h"

#include <cmath>
#include <limits>

namespace qv {
namespace {

constexpr int kMaxIterations = 10000;
constexpr double kPrecision = 1e-15;

// P(a, x) by its power series; converges quickly for x < a + 1.
double LowerBySeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    for (int n = 1; n < kMaxIterations; ++n) {
        term *= x / (a + n);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kPrecision) {
            break;
        }
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by its continued fraction (modified Lentz); converges quickly for x ≥ a + 1 and keeps its
// precision for the tiny tails of very uneven periods.
double UpperByContinuedFraction(double a, double x) {
    constexpr double tiny = std::numeric_limits<double>::min() / kPrecision;
    double b = x + 1.0 - a;
    double c = 1.0 / tiny;
    double d = 1.0 / b;
    double h = d;
    for (int i = 1; i < kMaxIterations; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny) {
            d = tiny;
        }
        c = b + an / c;
        if (std::fabs(c) < tiny) {
            c = tiny;
        }
        d = 1.0 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1.0) < kPrecision) {
            break;
        }
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

double RegularizedUpperGamma(double a, double x) {
    if (!(x > 0.0)) {
        return 1.0;
    }
    if (std::isinf(x)) {
        return 0.0;
    }
    if (x < a + 1.0) {
        return std::fmax(0.0, 1.0 - LowerBySeries(a, x));
    }
    return std::fmin(1.0, UpperByContinuedFraction(a, x));
}

double ChiSquareUpperTail(double statistic, double degreesOfFreedom) {
    return RegularizedUpperGamma(degreesOfFreedom / 2.0, statistic / 2.0);
}

Significance ComputeSignificance(const NumberCounts& frequencies, int drawCount) {
    Significance s;
    if (drawCount < 1) {
        return s;
    }
    constexpr double hitChance = static_cast<double>(kNumbersPerDraw) / kNumbersInGame;
    s.drawCount = drawCount;
    s.expected = drawCount * hitChance;
    s.sigma = std::sqrt(s.expected * (1.0 - hitChance));
    double pearson = 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        const double difference = frequencies[i] - s.expected;
        s.deviations[i] = difference / s.sigma;
        if (std::fabs(s.deviations[i]) > 2.0) {
            ++s.outsideTwoSigma;
        }
        pearson += difference * difference / s.expected;
    }
    // P(|Z| > 2) for a standard normal Z.
    s.expectedOutsideTwoSigma = kNumbersInGame * std::erfc(2.0 / std::sqrt(2.0));
    // Pearson's statistic has the mean 70·(5/7) = 50 here; see the header.
    s.chiSquare = pearson * kChiSquareDegreesOfFreedom / (kNumbersInGame * (1.0 - hitChance));
    s.pValue = ChiSquareUpperTail(s.chiSquare, kChiSquareDegreesOfFreedom);
    s.chiSquareMeaningful = drawCount >= kMinDrawsForChiSquare;
    return s;
}

} // namespace qv
