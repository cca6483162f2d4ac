#include "engine/core/BandLabels.h"

namespace qv {

std::array<std::string, 7> BandLabels(const std::array<int, 6>& t) {
    const auto range = [](int low, int high) { return std::to_string(low) + " - " + std::to_string(high); };
    std::array<std::string, 7> labels = {
        "> " + std::to_string(t[0]), range(t[1], t[0]),     range(t[2], t[1] - 1),       range(t[3], t[2] - 1),
        range(t[4], t[3] - 1),       range(t[5], t[4] - 1), "< " + std::to_string(t[5]),
    };
    if (t[2] - 1 <= 0 || t[3] <= 0) {
        labels[4] = "irrelevant";
    }
    if (t[3] - 1 <= 0 || t[4] <= 0) {
        labels[5] = "irrelevant";
    }
    if (t[4] - 1 <= 0 || t[5] <= 0) {
        labels[6] = "irrelevant";
    }
    return labels;
}

} // namespace qv
