#include "engine/systems/WheelRequest.h"

#include "engine/core/GameTables.h"
#include "engine/systems/WideCount.h"

#include <algorithm>
#include <bit>

namespace qv {

std::optional<std::string> RequestProblem(const WheelRequest& request) {
    const int k = request.kenoType;
    if (k < kMinKenoType || k > kMaxKenoType) {
        return "Der KENO-Typ der Reihen muss zwischen 2 und 10 liegen.";
    }
    std::vector<bool> seen(kNumbersInGame + 1, false);
    for (int number : request.pool) {
        if (number < 1 || number > kNumbersInGame) {
            return "Die Zahl " + std::to_string(number) + " im Pool ist keine Zahl von 1 bis 70.";
        }
        if (seen[static_cast<std::size_t>(number)]) {
            return "Die Zahl " + std::to_string(number) + " steht zweimal im Pool.";
        }
        seen[static_cast<std::size_t>(number)] = true;
    }
    const int n = static_cast<int>(request.pool.size());
    if (n <= k || n > kMaxPoolSize) {
        return "Der Pool muss mehr Zahlen haben als eine Reihe (mindestens " + std::to_string(k + 1) +
               ") und höchstens " + std::to_string(kMaxPoolSize) + "; er hat " + std::to_string(n) + ".";
    }
    const int t = request.hits;
    if (t < 1 || t > k) {
        return "Die garantierten Treffer müssen zwischen 1 und dem KENO-Typ (" + std::to_string(k) + ") liegen.";
    }
    const int most = std::min(n, kNumbersPerDraw);
    if (request.ifDrawn < t || request.ifDrawn > most) {
        return "Die Zahl der gezogenen Poolzahlen muss zwischen den garantierten Treffern (" + std::to_string(t) +
               ") und " + std::to_string(most) + " liegen.";
    }
    return std::nullopt;
}

std::vector<int> SortedPool(std::vector<int> pool) {
    std::sort(pool.begin(), pool.end());
    return pool;
}

std::vector<int> NumbersOf(RowMask row, const std::vector<int>& sortedPool) {
    std::vector<int> numbers;
    while (row != 0) {
        const int i = std::countr_zero(row);
        numbers.push_back(sortedPool[static_cast<std::size_t>(i)]);
        row &= row - 1;
    }
    return numbers;
}

std::optional<RowMask> MaskOf(const std::vector<int>& numbers, const std::vector<int>& sortedPool) {
    RowMask mask = 0;
    for (int number : numbers) {
        const auto at = std::lower_bound(sortedPool.begin(), sortedPool.end(), number);
        if (at == sortedPool.end() || *at != number) {
            return std::nullopt;
        }
        mask |= RowMask{1} << static_cast<unsigned>(at - sortedPool.begin());
    }
    return mask;
}

std::uint64_t WheelBinomial(int n, int k) {
    if (k < 0 || k > n) {
        return 0;
    }
    k = std::min(k, n - k);
    // Each partial product is itself a binomial coefficient, so the division is exact; with k <= 35
    // and n <= 70 the intermediate (i + 1) * result stays far below 2^128.
    WideCount result = 1;
    for (int i = 0; i < k; ++i) {
        result = result * static_cast<unsigned>(n - i) / static_cast<unsigned>(i + 1);
    }
    return static_cast<std::uint64_t>(result);
}

} // namespace qv
