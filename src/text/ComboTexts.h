#pragma once

#include "engine/analysis/ComboSearch.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace qv {

// "Erwartungswert: 1,28": how often one combination of k numbers is expected in b draws, two decimals.
QString ExpectationText(int k, std::uint64_t b, const QLocale& locale);
// "Prüfroutinen: 12.103.014.000": the checks of the literal run over b draws.
QString CheckCountText(int k, std::uint64_t b, const QLocale& locale);

// "Dauer: h:mm:ss,t" for a run of elapsedMs milliseconds (3 min 25.7 s give "Dauer: 0:03:25,7").
QString DurationText(std::uint32_t elapsedMs);

// The search's info line, while it runs (finished = false: "Es wird nach ...") and after it ("Es wurde
// nach ..."). poolCount is the number of pool numbers, k the combination size (Combinations only).
QString SearchInfoText(SearchMode mode, bool finished, int poolCount, int k, const QLocale& locale);

} // namespace qv
