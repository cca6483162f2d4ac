#include "engine/core/Binomial.h"

#include <limits>
#include <stdexcept>

namespace qv {

std::optional<std::uint64_t> Binomial(int n, int k) {
    if (n < 0 || k < 0 || k > n) {
        throw std::invalid_argument("Binomial: 0 <= k <= n expected");
    }
    if (k > n - k) {
        k = n - k;
    }
    __extension__ using Wide = unsigned __int128;
    // After step i the value is (n over i+1), an integer, so every division is exact; the
    // intermediate product stays below 2^64 * n.
    Wide value = 1;
    for (int i = 0; i < k; ++i) {
        value = value * static_cast<Wide>(n - i) / static_cast<Wide>(i + 1);
        if (value > std::numeric_limits<std::uint64_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint64_t>(value);
}

} // namespace qv
