#pragma once

#include <vector>

namespace qv {

// A suggested tip row on its way from the tip centre into the slip entry window: its numbers
// ascending; their count is the row's Keno type.
struct TipRow {
    std::vector<int> numbers;
    int KenoType() const { return static_cast<int>(numbers.size()); }
    bool operator==(const TipRow&) const = default;
};

} // namespace qv
