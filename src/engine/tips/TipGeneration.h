#pragma once

#include "engine/core/Records.h"

#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace qv {

// How the tip centre builds a row: the number of laggards ("Restanten"), favourites or both it draws
// on, or none. The index is the entry of the method lists.
enum class TipMethod { Restanten = 0, Favoriten = 1, Beide = 2, Zufall = 3 };
inline constexpr int kTipMethodCount = 4;

// The texts of the method lists, in method order.
inline constexpr std::array<std::string_view, kTipMethodCount> TipMethodTexts = {
    "nur aus Restanten", "nur aus Favoriten", "aus Restanten und Favoriten", "per Zufall"};

// Entry n (1 to 70): how many draws of a period hold n. Entry 0 is unused.
using PeriodCounts = std::array<int, 71>;

// The draws first to last of draws, both included. Positions 1 to 20 of each draw count; a byte 0 or
// above 70 is no number and is skipped. Positions outside draws are left out.
PeriodCounts CountPeriodNumbers(std::span<const TGewZahlen> draws, int first, int last);

// All numbers 1 to 70 ordered by their counts. favourites[0] is the number drawn most often, equal
// counts in ascending order of the number; restants is favourites reversed, so restants[0] is the
// number drawn least often and equal counts stand in descending order.
struct NumberRankings {
    std::array<int, 70> favourites{};
    std::array<int, 70> restants{};
};
NumberRankings RankNumbers(const PeriodCounts& counts);

// What a row of a Keno type is made of by a method: the numbers it always holds, and the pool from
// which the remaining picks numbers are drawn at random (each at most once).
struct RowPlan {
    std::vector<int> fixed;
    std::vector<int> pool;
    int picks = 0;
};
// kenoType 2 to 10.
RowPlan PlanRow(int kenoType, TipMethod method, const NumberRankings& rankings);

// A uniform whole number 0 <= r < n.
using PickBelow = std::function<int(int n)>;

// kenoType different numbers in ascending order, by method, the random picks from below.
std::vector<int> GenerateRow(int kenoType, TipMethod method, const NumberRankings& rankings, const PickBelow& below);

} // namespace qv
