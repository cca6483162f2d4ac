#include "engine/core/CenterPadding.h"

#include <cmath>

namespace qv {

long long RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    auto result = static_cast<long long>(lower);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) {
        ++result;
    }
    return result;
}

int CenterPadBlanks(int columnWidth, int sharePercent, int textWidth, int blankWidth) {
    if (blankWidth <= 0) {
        return 0;
    }
    // columnWidth * percent / 100 computed from whole numbers, so a half stays an exact half.
    const long long share = RoundHalfEven(static_cast<double>(columnWidth) * sharePercent / 100.0);
    const long long blanks = RoundHalfEven(static_cast<double>(share - textWidth) / (2.0 * blankWidth));
    return blanks > 0 ? static_cast<int>(blanks) : 0;
}

} // namespace qv
