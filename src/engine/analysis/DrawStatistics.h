#pragma once

#include "engine/core/NumberSet.h"
#include "engine/core/Records.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace qv {

// Frequency and absence of the numbers 1 to 70 over a period of draws, and the deviation classes that
// colour them: how far a number's frequency lies from the expected one, in standard deviations.

// Entry n-1 belongs to number n.
using NumberCounts = std::array<int, 70>;

// How often each number stands among positions 1 to 20 of the valid draws (IsValidDraw) first..last of
// draws. A draw not yet saved or a damaged record counts for no number.
NumberCounts CountFrequencies(std::span<const TGewZahlen> draws, int first, int last);

// For each number, the count of period draws after the newest one that holds it; the period's length
// when none does. periodSets runs oldest first.
NumberCounts CountAbsences(std::span<const NumberSet> periodSets);

// 20 * drawCount / 70: how often a number is drawn on average in drawCount draws.
double ExpectedFrequency(int drawCount);

// The lower bounds T1 to T7 of the seven deviation classes for a period of drawCount draws. The
// standard deviation treats each of the 20 numbers of a draw as a pick of its own with a chance of
// 1/70 for every number (picks with replacement), which is somewhat wider than the exact spread of a
// count of draws; the legends players know rest on it. Bounds below zero are 0; T7 is always -1.
using ClassThresholds = std::array<int, 7>;
ClassThresholds DeviationThresholds(int drawCount);

// The class 1 (far above expectation) to 7 (far below) of a frequency: the first k with
// frequency >= Tk.
int DeviationClassOf(int frequency, const ClassThresholds& thresholds);

// Colours of a class as RGB (0xRRGGBB): frequent numbers blue, the middle green, rare numbers red.
struct ClassColours {
    std::uint32_t background;
    std::uint32_t text;
};
inline constexpr std::array<ClassColours, 7> DeviationClassColours = {{
    {0x004080, 0xFFFFFF},
    {0x6161B6, 0xFFFFFF},
    {0xCACAE6, 0x000000},
    {0x9BFF9B, 0x000000},
    {0xFF8484, 0x000000},
    {0xFF0000, 0xFFFFFF},
    {0x800000, 0xFFFFFF},
}};
constexpr ClassColours ColoursOfClass(int deviationClass) {
    return DeviationClassColours[static_cast<std::size_t>(deviationClass - 1)];
}

// The legend texts of classes 1 to 7 ("> T1", "T2 - T1", ..., "< T6", "irrelevant" for the rare
// classes that cannot occur).
std::array<std::string, 7> ClassLegends(const ClassThresholds& thresholds);

// The numbers in the order of the slots 1 to 70 when sorted by values, the largest value first;
// numbers of equal value keep increasing order.
std::array<int, 70> SlotsByDescendingValue(const NumberCounts& values);

// The order of the statistics grid.
enum class StatisticsOrder { Numbers = 0, Frequency = 1, Absence = 2 };

// Everything the statistics window shows for one period.
struct DrawStatistics {
    int drawCount = 0;    // the valid draws counted
    int invalidDraws = 0; // the draws of the period left out (IsValidDraw)
    NumberCounts frequencies{};
    double expected = 0;
    ClassThresholds thresholds{};
    std::array<std::string, 7> legends;
    NumberCounts classes{}; // deviation class of number n at n-1
};

// Frequencies, thresholds, classes and legends of the valid draws among first..last (at least two draws).
DrawStatistics ComputeStatistics(std::span<const TGewZahlen> draws, int first, int last);

} // namespace qv
