#pragma once

#include "engine/systems/WheelRequest.h"

#include <atomic>
#include <vector>

namespace qv {

// The exhaustive check of a system's promise: every ifDrawn numbers of the pool meet some row in at
// least hits numbers. When the promise fails, uncovered holds ifDrawn pool positions that no row meets
// in hits numbers; when the check was cancelled, neither holds nor uncovered says anything.
struct WheelProof {
    bool holds = false;
    bool cancelled = false;
    RowMask uncovered = 0;
};

// poolSize numbers, rows as masks of pool positions (any sizes). The positions of the pool are grouped
// by the rows they lie in (numbers that lie in the same rows are interchangeable), and a depth-first
// search picks how many of each group a counter-example takes, never letting a row reach hits numbers.
// It finds a counter-example whenever there is one.
WheelProof ProveWheel(const std::vector<RowMask>& rows, int poolSize, int ifDrawn, int hits,
                      const std::atomic<bool>* cancel = nullptr);

} // namespace qv
