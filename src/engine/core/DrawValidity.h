#pragma once

#include "engine/core/NumberSet.h"
#include "engine/core/Records.h"

#include <span>
#include <string>
#include <vector>

namespace qv {

// The one rule for every reader of the draw history: a draw counts only when it holds 20 different
// numbers from 1 to 70. A record that does not (all zeros, twenty 5s, a 0, 71 or 255 among them) is
// shown as "ungültige Ziehung" and left out of evaluations, statistics, tips, combinations and the
// look-back; every result that leaves some out says how many.
inline constexpr const char* kInvalidDrawText = "ungültige Ziehung";

// A draw's set holds exactly its different numbers, so the rule can be read from the set alone.
bool IsValidDraw(const NumberSet& numbers);
bool IsValidDraw(const TGewZahlen& draw);

// The count of draws among sets (or draws[first..last], clipped to the list) that break the rule.
int CountInvalidDraws(std::span<const NumberSet> sets);
int CountInvalidDraws(std::span<const TGewZahlen> draws, int first, int last);

// The sets that keep the rule, in their order.
std::vector<NumberSet> ValidDrawSets(std::span<const NumberSet> sets);
// The sets of draws[first..last] for counting and searching: a draw that breaks the rule as the empty
// set, which holds no number, so nothing counts or finds it and the others keep their positions.
std::vector<NumberSet> CountableDrawSets(std::span<const TGewZahlen> draws, int first, int last);
// The draws that keep the rule, in their order.
std::vector<TGewZahlen> ValidDraws(std::span<const TGewZahlen> draws);

// "1 ungültige Ziehung (nicht 20 verschiedene Zahlen von 1 bis 70) wurde ausgelassen." and the plural;
// empty for 0.
std::string InvalidDrawsNote(int count);

} // namespace qv
