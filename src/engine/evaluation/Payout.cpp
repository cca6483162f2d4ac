#include "engine/evaluation/Payout.h"

namespace qv {
namespace {

// Rows by Keno type 2 to 10, columns by hits 0 to 10; blank cells of the game's table are 0.
constexpr float kRates[9][11] = {
    /* 2 */ {0, 0, 6.5f},
    /* 3 */ {0, 0, 1, 16},
    /* 4 */ {0, 0, 1, 2, 30},
    /* 5 */ {0, 0, 0, 2, 5, 150},
    /* 6 */ {0, 0, 0, 1, 4, 20, 200},
    /* 7 */ {3, 0, 0, 0, 0, 3, 30, 3000},
    /* 8 */ {3, 0, 0, 0, 0, 4, 10, 100, 10000},
    /* 9 */ {3, 0, 0, 0, 0, 2, 5, 50, 500, 50000},
    /* 10 */ {3, 0, 0, 0, 0, 1, 4, 10, 200, 2000, 250000},
};

constexpr int kClasses[9][11] = {
    /* 2 */ {0, 0, 10},
    /* 3 */ {0, 0, 9, 12},
    /* 4 */ {0, 0, 12, 11, 7},
    /* 5 */ {0, 0, 0, 11, 10, 6},
    /* 6 */ {0, 0, 0, 12, 11, 9, 5},
    /* 7 */ {0, 0, 0, 0, 12, 10, 6, 4},
    /* 8 */ {12, 0, 0, 0, 12, 11, 9, 6, 3},
    /* 9 */ {11, 0, 0, 0, 0, 11, 11, 8, 4, 2},
    /* 10 */ {11, 0, 0, 0, 0, 11, 11, 9, 6, 4, 1},
};

bool InTable(int kenoType, int hits) {
    return kenoType >= 2 && kenoType <= 10 && hits >= 0 && hits <= kenoType;
}

} // namespace

float PayoutRate(int kenoType, int hits) {
    return InTable(kenoType, hits) ? kRates[kenoType - 2][hits] : 0.0f;
}

float WinFor(int kenoType, int hits, int stakeEuros) {
    return static_cast<float>(stakeEuros) * PayoutRate(kenoType, hits);
}

int PrizeClassOf(int kenoType, int hits) {
    return InTable(kenoType, hits) ? kClasses[kenoType - 2][hits] : 0;
}

const std::array<std::uint32_t, kPrizeClasses + 1> PrizeClassColors = {
    0, 3587070, 55295, 65535, 11200750, 14772545, 15570276, 14599344, 15128749, 2263842, 3329330, 65407, 9108935,
};

// Black text, white on the dark blues and the dark green.
const std::array<std::uint32_t, kPrizeClasses + 1> PrizeClassFontColors = {
    0, 0, 0, 0, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0xFFFFFF, 0, 0, 0,
};

} // namespace qv
