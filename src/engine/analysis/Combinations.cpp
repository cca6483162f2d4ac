#include "engine/analysis/Combinations.h"

#include "engine/core/GameTables.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace qv {
namespace {

constexpr int kMaxN = 70;
constexpr int kMaxK = 10;

constexpr std::array<std::array<std::uint64_t, kMaxK + 1>, kMaxN + 1> MakeBinomials() {
    std::array<std::array<std::uint64_t, kMaxK + 1>, kMaxN + 1> table{};
    for (int n = 0; n <= kMaxN; ++n) {
        table[n][0] = 1;
        for (int k = 1; k <= kMaxK && k <= n; ++k) {
            table[n][k] = table[n - 1][k - 1] + (k <= n - 1 ? table[n - 1][k] : 0);
        }
    }
    return table;
}
constexpr auto kBinomials = MakeBinomials();

// The same numbers by k first: kColumns[k][n] = C(n, k), so that a walk over n stays in a few cache lines.
constexpr std::array<std::array<std::uint64_t, kMaxN + 1>, kMaxK + 1> MakeColumns() {
    std::array<std::array<std::uint64_t, kMaxN + 1>, kMaxK + 1> table{};
    for (int n = 0; n <= kMaxN; ++n) {
        for (int k = 0; k <= kMaxK; ++k) {
            table[k][n] = kBinomials[n][k];
        }
    }
    return table;
}
constexpr auto kColumns = MakeColumns();

} // namespace

void CheckRunSize(int k) {
    if (k < kMinRunSize || k > kMaxRunSize) {
        throw std::invalid_argument("combination run: size outside 2 to 5");
    }
}

void CheckCountsLength(int k, std::span<const std::uint32_t> counts) {
    if (counts.size() > CombinationsOf70(k)) {
        throw std::invalid_argument("combination lists: more counts than combinations");
    }
}

std::uint64_t SmallBinomial(int n, int k) {
    if (n < 0 || n > kMaxN || k < 0 || k > kMaxK) {
        throw std::invalid_argument("SmallBinomial: outside 0 <= n <= 70, 0 <= k <= 10");
    }
    return kBinomials[n][k];
}

std::uint64_t CombinationsOf70(int k) {
    return SmallBinomial(kNumbersInGame, k);
}

std::uint64_t CombinationsOf20(int k) {
    return SmallBinomial(kNumbersPerDraw, k);
}

// In lexicographic order, the combinations after a1 < ... < ak are those that differ first at some
// position j with a larger number there. Counting the combinations before it the other way round gives
// rank = C(70, k) - 1 - sum over j of C(70 - aj, k + 1 - j).
std::uint64_t CombinationRank(std::span<const int> numbers) {
    const int k = static_cast<int>(numbers.size());
    std::uint64_t later = 0;
    for (int j = 0; j < k; ++j) {
        later += SmallBinomial(kNumbersInGame - numbers[j], k - j);
    }
    return CombinationsOf70(k) - 1 - later;
}

NumberSet CombinationAt(int k, std::uint64_t rank) {
    if (k < 1 || k > kMaxK || rank >= kBinomials[kMaxN][k]) {
        throw std::invalid_argument("CombinationAt: no such combination");
    }
    // The combinatorial number system: later = sum of C(bj, k + 1 - j) with b1 > b2 > ... >= 0 and
    // aj = 70 - bj; take the largest possible bj at each step.
    std::uint64_t later = CombinationsOf70(k) - 1 - rank;
    NumberSet set;
    int b = kNumbersInGame;
    for (int j = 0; j < k; ++j) {
        const std::uint64_t* column = kColumns[k - j].data();
        // The largest b below the previous one with C(b, size) <= later (C(0, size) = 0 always is),
        // walking down: b only falls, so the whole decoding takes at most 70 steps.
        --b;
        while (column[b] > later) {
            --b;
        }
        later -= column[b];
        set.Add(kNumbersInGame - b);
    }
    return set;
}

RankDecoder::RankDecoder(int k)
    : m_k(k) {
    CheckRunSize(k);
}

int RankDecoder::Estimate(int size, std::uint64_t later) {
    const auto x = static_cast<double>(later);
    double root = 0;
    switch (size) {
    case 1:
        return static_cast<int>(std::min<std::uint64_t>(later, kNumbersInGame));
    case 2:
        root = std::sqrt(2 * x);
        break;
    case 3:
        root = std::cbrt(6 * x);
        break;
    case 4:
        root = std::sqrt(std::sqrt(24 * x));
        break;
    default:
        root = std::pow(120 * x, 0.2);
        break;
    }
    return std::clamp(static_cast<int>(root + (size - 1) / 2.0), 0, kNumbersInGame - 1);
}

NumberSet RankDecoder::At(std::uint64_t rank) {
    const std::uint64_t total = CombinationsOf70(m_k);
    if (rank >= total) {
        throw std::invalid_argument("CombinationAt: no such combination");
    }
    // As in CombinationAt, each term is the largest b below the one before with C(b, size) <= later.
    // The first term walks from the previous rank's (it changes seldom from one rank to the next); the
    // others start from b = (size! later)^(1/size) + (size - 1) / 2, from C(b, size) ~ (b - (size - 1) / 2)^size
    // / size!, and are a step or two off at most.
    std::uint64_t later = total - 1 - rank;
    NumberSet set;
    int upper = kNumbersInGame;
    for (int j = 0; j < m_k; ++j) {
        const int size = m_k - j;
        const std::uint64_t* column = kColumns[size].data();
        int b = j == 0 ? m_first : std::min(Estimate(size, later), upper - 1);
        while (column[b] > later) {
            --b;
        }
        while (b + 1 < upper && column[b + 1] <= later) {
            ++b;
        }
        if (j == 0) {
            m_first = b;
        }
        later -= column[b];
        set.Add(kNumbersInGame - b);
        upper = b;
    }
    return set;
}

std::string JoinedNumbers(const NumberSet& set) {
    std::string text;
    set.ForEach([&text](int n) {
        if (!text.empty()) {
            text += '-';
        }
        text += std::to_string(n);
    });
    return text;
}

const char* CombinationListRefusal(int poolCount, int k) {
    if (k < 2) {
        return kNoSizeChosenText;
    }
    if (poolCount < 2) {
        return kPoolTooSmallText;
    }
    if (poolCount < k + 1) {
        return kPoolNotLargerThanSizeText;
    }
    return nullptr;
}

bool NextCombination(std::span<int> positions, int n) {
    const int k = static_cast<int>(positions.size());
    int j = k - 1;
    while (j >= 0 && positions[j] == n - k + j) {
        --j;
    }
    if (j < 0) {
        return false;
    }
    ++positions[j];
    for (int i = j + 1; i < k; ++i) {
        positions[i] = positions[i - 1] + 1;
    }
    return true;
}

CombinationList BuildCombinationList(const NumberSet& pool, int k) {
    CombinationList result;
    std::vector<int> members;
    pool.ForEach([&members](int n) { members.push_back(n); });
    const int a = static_cast<int>(members.size());
    if (const char* refusal = CombinationListRefusal(a, k)) {
        result.refusal = refusal;
        return result;
    }
    // Positions i1 < ... < ik, advanced like an odometer from the right.
    std::vector<int> pos(static_cast<std::size_t>(k));
    for (int j = 0; j < k; ++j) {
        pos[j] = j;
    }
    while (true) {
        NumberSet set;
        for (int p : pos) {
            set.Add(members[p]);
        }
        result.sets.push_back(set);
        if (!NextCombination(pos, a)) {
            break;
        }
    }
    return result;
}

} // namespace qv
