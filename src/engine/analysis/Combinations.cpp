#include "engine/analysis/Combinations.h"

#include "engine/core/GameTables.h"

#include <algorithm>
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

// For the sizes 2 to kMaxRunSize, a start for the largest b with C(b, size) <= later: kStarts[size][i]
// is that b for later = i << kStartShifts[size], the shift leaving at most 1024 starts. Beyond the
// first few values of b, C(b, size) grows by more than 1 << shift from one b to the next, so the b
// for a later is its start or the one after.
constexpr int kStartCount = 1024;
constexpr std::array<int, kMaxRunSize + 1> MakeStartShifts() {
    std::array<int, kMaxRunSize + 1> shifts{};
    for (int size = 2; size <= kMaxRunSize; ++size) {
        while (((kColumns[size][kMaxN] - 1) >> shifts[size]) >= kStartCount) {
            ++shifts[size];
        }
    }
    return shifts;
}
constexpr auto kStartShifts = MakeStartShifts();

constexpr std::array<std::array<std::uint8_t, kStartCount>, kMaxRunSize + 1> MakeStarts() {
    std::array<std::array<std::uint8_t, kStartCount>, kMaxRunSize + 1> starts{};
    for (int size = 2; size <= kMaxRunSize; ++size) {
        int b = 0;
        for (int i = 0; i < kStartCount; ++i) {
            const std::uint64_t later = std::uint64_t{static_cast<std::uint64_t>(i)} << kStartShifts[size];
            while (b + 1 < kMaxN && kColumns[size][b + 1] <= later) {
                ++b;
            }
            starts[size][i] = static_cast<std::uint8_t>(b);
        }
    }
    return starts;
}
constexpr auto kStarts = MakeStarts();

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
    int upper = kNumbersInGame; // each b below the one before
    for (int j = 0; j < k; ++j) {
        const int size = k - j;
        const std::uint64_t* column = kColumns[size].data();
        int b = 0;
        if (size == 1) {
            b = static_cast<int>(later); // C(b, 1) = b, and later is below the b before
        } else if (size <= kMaxRunSize) {
            // From the start the table gives, a step up at most, but for the smallest values.
            b = std::min<int>(kStarts[size][later >> kStartShifts[size]], upper - 1);
            while (b + 1 < upper && column[b + 1] <= later) {
                ++b;
            }
        } else {
            // Walking down: b only falls, so the whole decoding takes at most 70 steps.
            b = upper - 1;
            while (column[b] > later) {
                --b;
            }
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
