#include "engine/analysis/DrawStatistics.h"

#include "engine/core/BandLabels.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace qv {

NumberCounts CountFrequencies(std::span<const TGewZahlen> draws, int first, int last) {
    NumberCounts counts{};
    for (int i = std::max(first, 0); i <= last && i < static_cast<int>(draws.size()); ++i) {
        const TGewZahlen& draw = draws[static_cast<std::size_t>(i)];
        if (!IsValidDraw(draw)) {
            continue;
        }
        for (int p = 0; p < kNumbersPerDraw; ++p) {
            ++counts[static_cast<std::size_t>(draw.GZ[static_cast<std::size_t>(p)] - 1)];
        }
    }
    return counts;
}

NumberCounts CountAbsences(std::span<const NumberSet> periodSets) {
    NumberCounts absences{};
    const std::vector<NumberSet> valid = ValidDrawSets(periodSets);
    const int count = static_cast<int>(valid.size());
    for (int n = 1; n <= kNumbersInGame; ++n) {
        int passed = 0;
        while (passed < count && !valid[static_cast<std::size_t>(count - 1 - passed)].Contains(n)) {
            ++passed;
        }
        absences[static_cast<std::size_t>(n - 1)] = passed;
    }
    return absences;
}

double ExpectedFrequency(int drawCount) {
    return static_cast<double>(kNumbersPerDraw) * drawCount / kNumbersInGame;
}

ClassThresholds DeviationThresholds(int drawCount) {
    const long double picks = static_cast<long double>(kNumbersPerDraw) * drawCount;
    const long double expected = picks / kNumbersInGame;
    // Each pick hits a given number with 1/70 and misses it with 69/70.
    const long double sigma = std::sqrt(picks * 69.0L / 4900.0L);
    // Halves go to the even neighbour.
    const auto round = [](long double x) {
        const int previous = std::fegetround();
        std::fesetround(FE_TONEAREST);
        const long double r = std::nearbyint(x);
        std::fesetround(previous);
        return static_cast<int>(r);
    };
    ClassThresholds t{};
    for (std::size_t k = 0; k < 3; ++k) {
        const double steps = static_cast<double>(k);
        t[k] = round(expected + (3.0 - steps) * sigma);
        t[k + 3] = std::max(0, round(expected - (steps + 1.0) * sigma));
    }
    t[6] = -1;
    return t;
}

int DeviationClassOf(int frequency, const ClassThresholds& thresholds) {
    for (int k = 0; k < 7; ++k) {
        if (frequency >= thresholds[static_cast<std::size_t>(k)]) {
            return k + 1;
        }
    }
    return 7;
}

std::array<std::string, 7> ClassLegends(const ClassThresholds& t) {
    return BandLabels({t[0], t[1], t[2], t[3], t[4], t[5]});
}

std::array<int, 70> SlotsByDescendingValue(const NumberCounts& values) {
    std::array<int, 70> slots{};
    for (int n = 1; n <= kNumbersInGame; ++n) {
        slots[static_cast<std::size_t>(n - 1)] = n;
    }
    std::stable_sort(slots.begin(), slots.end(), [&values](int a, int b) {
        return values[static_cast<std::size_t>(a - 1)] > values[static_cast<std::size_t>(b - 1)];
    });
    return slots;
}

DrawStatistics ComputeStatistics(std::span<const TGewZahlen> draws, int first, int last) {
    DrawStatistics stats;
    stats.invalidDraws = CountInvalidDraws(draws, first, last);
    stats.drawCount = last - first + 1 - stats.invalidDraws;
    stats.frequencies = CountFrequencies(draws, first, last);
    stats.expected = ExpectedFrequency(stats.drawCount);
    stats.thresholds = DeviationThresholds(stats.drawCount);
    stats.legends = ClassLegends(stats.thresholds);
    for (std::size_t i = 0; i < stats.frequencies.size(); ++i) {
        stats.classes[i] = DeviationClassOf(stats.frequencies[i], stats.thresholds);
    }
    return stats;
}

} // namespace qv
