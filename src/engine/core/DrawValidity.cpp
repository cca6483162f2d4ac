#include "engine/core/DrawValidity.h"

#include "engine/core/GameTables.h"

#include <algorithm>
#include <iterator>

namespace qv {

namespace {

constexpr NumberSet OutsideTheGame() {
    NumberSet outside;
    outside.Add(0);
    for (int n = kNumbersInGame + 1; n < 256; ++n) {
        outside.Add(n);
    }
    return outside;
}

} // namespace

bool IsValidDraw(const NumberSet& numbers) {
    static constexpr NumberSet kOutside = OutsideTheGame();
    return numbers.Count() == kNumbersPerDraw && (numbers & kOutside).Empty();
}

bool IsValidDraw(const TGewZahlen& draw) {
    return IsValidDraw(draw.Numbers());
}

int CountInvalidDraws(std::span<const NumberSet> sets) {
    return static_cast<int>(
        std::count_if(sets.begin(), sets.end(), [](const NumberSet& set) { return !IsValidDraw(set); }));
}

int CountInvalidDraws(std::span<const TGewZahlen> draws, int first, int last) {
    int invalid = 0;
    for (int i = std::max(first, 0); i <= last && i < static_cast<int>(draws.size()); ++i) {
        invalid += IsValidDraw(draws[static_cast<std::size_t>(i)]) ? 0 : 1;
    }
    return invalid;
}

std::vector<NumberSet> ValidDrawSets(std::span<const NumberSet> sets) {
    std::vector<NumberSet> valid;
    valid.reserve(sets.size());
    std::copy_if(sets.begin(), sets.end(), std::back_inserter(valid),
                 [](const NumberSet& set) { return IsValidDraw(set); });
    return valid;
}

std::vector<NumberSet> CountableDrawSets(std::span<const TGewZahlen> draws, int first, int last) {
    std::vector<NumberSet> sets;
    for (int i = std::max(first, 0); i <= last && i < static_cast<int>(draws.size()); ++i) {
        const NumberSet set = draws[static_cast<std::size_t>(i)].Numbers();
        sets.push_back(IsValidDraw(set) ? set : NumberSet{});
    }
    return sets;
}

std::vector<TGewZahlen> ValidDraws(std::span<const TGewZahlen> draws) {
    std::vector<TGewZahlen> valid;
    valid.reserve(draws.size());
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(valid),
                 [](const TGewZahlen& draw) { return IsValidDraw(draw); });
    return valid;
}

std::string InvalidDrawsNote(int count) {
    if (count <= 0) {
        return {};
    }
    const bool one = count == 1;
    return std::to_string(count) + (one ? " ungültige Ziehung" : " ungültige Ziehungen") +
           " (nicht 20 verschiedene Zahlen von 1 bis 70) " + (one ? "wurde" : "wurden") + " ausgelassen.";
}

} // namespace qv
