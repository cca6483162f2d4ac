#pragma once

#include "engine/core/NumberSet.h"

#include <array>
#include <optional>
#include <string_view>

namespace qv {

// The fixed tables of the game "20 aus 70".
inline constexpr int kNumbersInGame = 70;
inline constexpr int kNumbersPerDraw = 20;
inline constexpr int kMinKenoType = 2;
inline constexpr int kMaxKenoType = 10;

// Stake per tip in euros by stake index, and the reverse (euros 1 to 10; -1 = not an allowed stake).
inline constexpr std::array<int, 6> StakeEuros = {1, 2, 3, 4, 5, 10};
inline constexpr std::array<int, 10> StakeIndexOfEuros = {0, 1, 2, 3, 4, -1, -1, -1, -1, 5};
// Consecutive draws by draw-count index, and the reverse (draws 1 to 14; -1 = not allowed).
inline constexpr std::array<int, 5> DrawCounts = {1, 2, 4, 7, 14};
inline constexpr std::array<int, 14> DrawCountIndexOfDraws = {0, 1, -1, 2, -1, -1, 3, -1, -1, -1, -1, -1, -1, 4};

inline constexpr NumberSet AllowedDrawCounts = {1, 2, 4, 7, 14};
inline constexpr NumberSet AllowedStakes = {1, 2, 3, 4, 5, 10};

// The German number words of Keno types 2 to 10.
inline constexpr std::array<std::string_view, 9> KenoTypeNameTable = {"Zwei",   "Drei", "Vier", "Fünf", "Sechs",
                                                                      "Sieben", "Acht", "Neun", "Zehn"};

// Index of a stake in euros, -1 when the game does not offer it.
constexpr int StakeIndexOf(int euros) {
    return euros >= 1 && euros <= 10 ? StakeIndexOfEuros[euros - 1] : -1;
}

// Index of a number of consecutive draws, -1 when the game does not offer it.
constexpr int DrawCountIndexOf(int draws) {
    return draws >= 1 && draws <= 14 ? DrawCountIndexOfDraws[draws - 1] : -1;
}

// A slip file may hold any byte; these lookups never read outside the tables.
constexpr std::optional<int> StakeEurosAt(int index) {
    if (index < 0 || index >= static_cast<int>(StakeEuros.size())) {
        return std::nullopt;
    }
    return StakeEuros[index];
}

constexpr std::optional<int> DrawCountAt(int index) {
    if (index < 0 || index >= static_cast<int>(DrawCounts.size())) {
        return std::nullopt;
    }
    return DrawCounts[index];
}

// "Zwei" to "Zehn" for Keno types 2 to 10, empty for anything else.
constexpr std::string_view KenoTypeName(int kenoType) {
    return kenoType >= kMinKenoType && kenoType <= kMaxKenoType ? KenoTypeNameTable[kenoType - kMinKenoType]
                                                                : std::string_view{};
}

// The numbers 1 to 70 by their last decimal digit: set 0 = {10, 20, ..., 70}, set 1 = {1, 11, ..., 61}, ...
constexpr std::array<NumberSet, 10> MakeFinalDigitSets() {
    std::array<NumberSet, 10> sets{};
    for (int n = 1; n <= kNumbersInGame; ++n) {
        sets[n % 10].Add(n);
    }
    return sets;
}
inline constexpr std::array<NumberSet, 10> FinalDigitSets = MakeFinalDigitSets();

} // namespace qv
