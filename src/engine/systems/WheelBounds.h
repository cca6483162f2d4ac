#pragma once

#include <cstdint>

namespace qv {

// Lower bounds on the number of rows of a system: no system of the request can have fewer rows.

// The Schönheim bound of a covering (every hits numbers of the pool lie together in some row):
// ceil(n/k * ceil((n-1)/(k-1) * ... ceil((n-t+1)/(k-t+1)))).
std::uint64_t SchoenheimBound(int poolSize, int kenoType, int hits);

// The counting bound: a row meets at most sum over i >= t of (k over i) * (n-k over p-i) of the
// (n over p) sets of p pool numbers in t or more numbers, and every such set needs one.
std::uint64_t CountingBound(int poolSize, int kenoType, int ifDrawn, int hits);

// The best bound we know for the request: the Schönheim bound for a covering (ifDrawn == hits),
// the counting bound otherwise (for a covering the Schönheim bound is never below it).
std::uint64_t WheelLowerBound(int poolSize, int kenoType, int ifDrawn, int hits);

} // namespace qv
