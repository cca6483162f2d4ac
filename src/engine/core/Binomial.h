#pragma once

#include <cstdint>
#include <optional>

namespace qv {

// n over k, exact. Nothing when the result does not fit into 64 bits (70 over 35 does not); the
// caller says so instead of showing a rounded number. Defined for 0 <= k <= n; anything else is
// std::invalid_argument.
std::optional<std::uint64_t> Binomial(int n, int k);

} // namespace qv
