#include "engine/tips/FrequencyBands.h"

#include <algorithm>

namespace qv {

FrequencyBounds FrequencyBandBounds(int drawCount) {
    FrequencyBounds b = DeviationThresholds(std::max(drawCount, 0));
    if (b[4] > 0 && b[4] == b[5]) {
        ++b[4];
    }
    if (b[3] > 0 && b[3] == b[4]) {
        ++b[3];
    }
    if (b[0] == b[1]) {
        --b[0];
    }
    if (b[1] == b[2]) {
        ++b[2];
    }
    b[6] = -1;
    return b;
}

int FrequencyClass(int count, const FrequencyBounds& bounds) {
    return DeviationClassOf(count, bounds) - 1;
}

std::array<std::string, 7> FrequencyLegend(const FrequencyBounds& bounds) {
    return ClassLegends(bounds);
}

} // namespace qv
