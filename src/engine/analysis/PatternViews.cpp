#include "engine/analysis/PatternViews.h"

#include "engine/core/GameTables.h"

namespace qv {

bool RepeaterViewMarks(std::span<const NumberSet> drawSets, int d, int n, bool markFinalDigit, int finalDigit) {
    if (d < 1 || d >= static_cast<int>(drawSets.size())) {
        return false;
    }
    if (markFinalDigit) {
        return finalDigit >= 0 && finalDigit <= 9 && FinalDigitSets[static_cast<std::size_t>(finalDigit)].Contains(n);
    }
    return drawSets[static_cast<std::size_t>(d - 1)].Contains(n);
}

std::optional<int> RepeatCountOf(std::span<const NumberSet> drawSets, std::size_t d) {
    if (d < 1 || d >= drawSets.size() || drawSets[d].Empty() || drawSets[d - 1].Empty()) {
        return std::nullopt;
    }
    return HitCount(drawSets[d], drawSets[d - 1]);
}

RunLengths PatternRunLengths(std::span<const NumberSet> drawSets) {
    constexpr int kLongestCounted = 11;
    RunLengths runs(drawSets.size());
    for (std::size_t d = 0; d < drawSets.size(); ++d) {
        for (int n = 1; n <= kNumbersInGame; ++n) {
            auto& run = runs[d][static_cast<std::size_t>(n - 1)];
            if (!drawSets[d].Contains(n)) {
                run = 0;
            } else if (d == 0) {
                run = 1;
            } else {
                const int before = runs[d - 1][static_cast<std::size_t>(n - 1)];
                run = static_cast<std::uint8_t>(before < kLongestCounted ? before + 1 : kLongestCounted);
            }
        }
    }
    return runs;
}

} // namespace qv
