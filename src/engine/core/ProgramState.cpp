#include "engine/core/ProgramState.h"

#include "engine/core/GameTables.h"

namespace qv {

TGZsort SortedNumbers(const NumberSet& draw) {
    TGZsort sorted;
    int p = 0;
    for (int n = 1; n <= kNumbersInGame && p < kNumbersPerDraw; ++n) {
        if (draw.Contains(n)) {
            sorted.GZ[p++] = static_cast<std::uint8_t>(n);
        }
    }
    return sorted;
}

void BuildDerivedArrays(ProgramState& state) {
    const std::size_t count = state.DrawList.size();
    state.DrawSets.clear();
    state.DrawSets.reserve(count);
    for (const TGewZahlen& draw : state.DrawList) {
        state.DrawSets.push_back(draw.Numbers());
    }
    state.RepeatCounts.assign(count, 0);
    for (std::size_t i = 1; i < count; ++i) {
        state.RepeatCounts[i] = static_cast<std::uint8_t>(HitCount(state.DrawSets[i], state.DrawSets[i - 1]));
    }
    state.SortedDraws.clear();
    state.SortedDraws.reserve(count);
    for (const NumberSet& set : state.DrawSets) {
        state.SortedDraws.push_back(SortedNumbers(set));
    }
}

void BuildPeriodSets(ProgramState& state, int first, int extra) {
    state.PeriodStart = first;
    state.PeriodSets.clear();
    state.PeriodSets.reserve(static_cast<std::size_t>(extra) + 1);
    for (int i = first; i <= first + extra; ++i) {
        state.PeriodSets.push_back(state.DrawList.at(static_cast<std::size_t>(i)).Numbers());
    }
}

std::optional<Period> ResolvePeriod(int fromPos, std::optional<int> toPos, int drawCount) {
    const auto valid = [drawCount](int pos) { return pos >= 0 && pos < drawCount; };
    if (!valid(fromPos)) {
        return std::nullopt;
    }
    if (!toPos) {
        return Period{fromPos, 0};
    }
    if (!valid(*toPos) || *toPos < fromPos) {
        return std::nullopt;
    }
    return Period{fromPos, *toPos - fromPos};
}

} // namespace qv
