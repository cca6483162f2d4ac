#pragma once

#include "engine/core/Records.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace qv::test {

// A slip with the given fields (field number 1 to 8 -> numbers), stake index and draw-count index.
inline TSchein Slip(const std::vector<std::pair<int, std::vector<int>>>& fields, int stake = 0, int draws = 0) {
    TSchein slip;
    for (const auto& [field, numbers] : fields) {
        for (std::size_t p = 0; p < numbers.size(); ++p) {
            slip.Z[field - 1][p] = static_cast<std::uint8_t>(numbers[p]);
        }
        slip.kenotyp[field - 1] = static_cast<std::uint8_t>(numbers.size());
    }
    slip.einsatz = static_cast<std::uint8_t>(stake);
    slip.Ziehungen = static_cast<std::uint8_t>(draws);
    return slip;
}

} // namespace qv::test
