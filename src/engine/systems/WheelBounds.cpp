#include "engine/systems/WheelBounds.h"

#include "engine/systems/WheelRequest.h"

#include <algorithm>

namespace qv {

std::uint64_t SchoenheimBound(int poolSize, int kenoType, int hits) {
    // Innermost first: L = ceil((n-t+1)/(k-t+1) * 1), then outward.
    std::uint64_t bound = 1;
    for (int i = hits - 1; i >= 0; --i) {
        const auto n = static_cast<std::uint64_t>(poolSize - i);
        const auto k = static_cast<std::uint64_t>(kenoType - i);
        bound = (n * bound + k - 1) / k;
    }
    return bound;
}

std::uint64_t CountingBound(int poolSize, int kenoType, int ifDrawn, int hits) {
    std::uint64_t perRow = 0;
    for (int i = hits; i <= std::min(kenoType, ifDrawn); ++i) {
        perRow += WheelBinomial(kenoType, i) * WheelBinomial(poolSize - kenoType, ifDrawn - i);
    }
    const std::uint64_t sets = WheelBinomial(poolSize, ifDrawn);
    return perRow == 0 ? 0 : (sets + perRow - 1) / perRow;
}

std::uint64_t WheelLowerBound(int poolSize, int kenoType, int ifDrawn, int hits) {
    const std::uint64_t counting = CountingBound(poolSize, kenoType, ifDrawn, hits);
    return ifDrawn == hits ? std::max(counting, SchoenheimBound(poolSize, kenoType, hits)) : counting;
}

} // namespace qv
