#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// A system ("Systeme"): rows of kenoType numbers from the player's pool, with the promise that
// whenever at least ifDrawn of the 20 drawn numbers are among the pool, at least one row has at least
// hits of them. With ifDrawn == hits this is a covering design, in general a lotto design.
struct WheelRequest {
    std::vector<int> pool; // the player's numbers, 1 to 70, each once
    int kenoType = 0;      // numbers per row, 2 to 10
    int ifDrawn = 0;       // p: at least this many of the 20 drawn numbers are in the pool ...
    int hits = 0;          // t: ... then some row has at least this many hits
};

inline constexpr int kMaxPoolSize = 32;

// A row as a set of positions in the pool: bit i stands for the pool's i-th number (ascending).
using RowMask = std::uint32_t;

// The request's problem as a German sentence, or nothing when the request can be kept.
std::optional<std::string> RequestProblem(const WheelRequest& request);

// The pool sorted ascending (the order the masks refer to).
std::vector<int> SortedPool(std::vector<int> pool);

// The numbers of a row, ascending; the pool must be sorted.
std::vector<int> NumbersOf(RowMask row, const std::vector<int>& sortedPool);

// The row of these numbers, or nothing when a number is not in the (sorted) pool.
std::optional<RowMask> MaskOf(const std::vector<int>& numbers, const std::vector<int>& sortedPool);

// n over k for the small arguments of systems (n <= 70, k <= 20 or k >= n - 20); 0 outside 0 <= k <= n.
std::uint64_t WheelBinomial(int n, int k);

} // namespace qv
