#pragma once

#include "engine/core/NumberSet.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qv {

// Combinations of k different numbers out of 1 to 70, each written ascending and all of them in
// lexicographic order ({1,2}, {1,3}, ..., {1,70}, {2,3}, ..., {69,70} for k = 2). A combination's
// rank is its 0-based position in that order.
inline constexpr int kMinRunSize = 2;
inline constexpr int kMaxRunSize = 5;

// Throw std::invalid_argument for a size outside kMinRunSize to kMaxRunSize, and for more counts than
// there are combinations of size k.
void CheckRunSize(int k);
void CheckCountsLength(int k, std::span<const std::uint32_t> counts);

// n over k for 0 <= n <= 70 and 0 <= k <= 10 (0 when k > n); exact, the largest is 70 over 10.
std::uint64_t SmallBinomial(int n, int k);

// C(70, k) and C(20, k): how many combinations the game has, and how many of them one draw holds.
std::uint64_t CombinationsOf70(int k);
std::uint64_t CombinationsOf20(int k);

// Rank of an ascending combination (numbers 1 to 70, k = numbers.size() from 1 to 10).
std::uint64_t CombinationRank(std::span<const int> numbers);
// The combination of size k at a rank below CombinationsOf70(k), as a number set.
NumberSet CombinationAt(int k, std::uint64_t rank);

// Moves the ascending positions p1 < ... < pk, each below n, on to the next k-subset in lexicographic
// order, like an odometer from the right; false after the last one (the positions are then unchanged).
bool NextCombination(std::span<int> positions, int n);

// The numbers of a set ascending, joined by "-" ("7-19-33").
std::string JoinedNumbers(const NumberSet& set);

// The search list of a number pool: every k-subset of the pool, in lexicographic order of the positions
// chosen among the pool's members (which is also the lexicographic order of the numbers). A request
// the search cannot serve leaves the list empty and names the reason in refusal.
struct CombinationList {
    std::vector<NumberSet> sets;
    std::string refusal;
};

// The refusals, checked in this order: no size chosen (k < 2), fewer than two numbers in the pool, and
// a pool not at least one number larger than the size. So a pool of two numbers always gets the third.
inline constexpr const char* kNoSizeChosenText =
    "Bitte wählen Sie noch die Größe der Kombinationen, nach denen gesucht werden soll.\r\rIch breche erst "
    "einmal ab.";
inline constexpr const char* kPoolTooSmallText = "Um Kombinationen bilden zu können, sind über das Zahlenfeld "
                                                 "mindestens drei Zahlen zu wählen.\r\rIch breche erst einmal ab.";
inline constexpr const char* kPoolNotLargerThanSizeText =
    "Um Kombinationen bilden zu können, muss mindestens eine Zahl mehr als die Kombi-Größe gewählt werden.\r\rIch "
    "breche erst einmal ab.";

// The refusal for a pool of poolCount numbers and size k, or nullptr when the list can be built.
const char* CombinationListRefusal(int poolCount, int k);
CombinationList BuildCombinationList(const NumberSet& pool, int k);

} // namespace qv
