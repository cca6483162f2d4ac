#include "engine/tips/FrequencyBands.h"

#include "engine/core/BandLabels.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

// To the nearest whole number, halves to the even one.
int RoundHalfEven(long double x) {
    const long double down = std::floor(x);
    const long double fraction = x - down;
    long double result = down;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(down, 2.0L) != 0.0L)) {
        result = down + 1.0L;
    }
    return static_cast<int>(result);
}

} // namespace

FrequencyBounds FrequencyBandBounds(int drawCount) {
    const long double c = 20.0L * static_cast<long double>(std::max(drawCount, 0));
    const long double e = c / 70.0L;
    const long double s = std::sqrt(c * 69.0L / 4900.0L);
    FrequencyBounds b{};
    b[0] = RoundHalfEven(e + 3 * s);
    b[1] = RoundHalfEven(e + 2 * s);
    b[2] = RoundHalfEven(e + s);
    b[3] = std::max(RoundHalfEven(e - s), 0);
    b[4] = std::max(RoundHalfEven(e - 2 * s), 0);
    b[5] = std::max(RoundHalfEven(e - 3 * s), 0);
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
    for (int k = 0; k < 6; ++k) {
        if (count >= bounds[static_cast<std::size_t>(k)]) {
            return k;
        }
    }
    return 6;
}

std::array<std::string, 7> FrequencyLegend(const FrequencyBounds& bounds) {
    return BandLabels({bounds[0], bounds[1], bounds[2], bounds[3], bounds[4], bounds[5]});
}

} // namespace qv
