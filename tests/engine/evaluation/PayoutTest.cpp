#include "engine/evaluation/Payout.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Payout, WinsAndClasses) {
    struct Case {
        int type;
        int hits;
        int stake;
        float win;
        int prizeClass;
    };
    const Case cases[] = {
        {10, 10, 10, 2500000.0f, 1},
        {10, 0, 1, 3.0f, 11},
        {9, 9, 1, 50000.0f, 2},
        {8, 8, 2, 20000.0f, 3},
        {8, 4, 5, 0.0f, 12}, // class without a win: shown as "--", so the class never
                             // shows
        {7, 0, 4, 12.0f, 0}, // three times the stake, but no class
        {7, 4, 1, 0.0f, 12},
        {6, 6, 1, 200.0f, 5},
        {2, 2, 3, 19.5f, 10},
        {2, 1, 10, 0.0f, 0},
        {1, 1, 10, 0.0f, 0},  // a field of one number never wins
        {11, 5, 10, 0.0f, 0}, // nor does a count above ten
        {5, 6, 1, 0.0f, 0},   // hits beyond the type are outside the table
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WinFor(c.type, c.hits, c.stake), c.win) << c.type << "/" << c.hits;
        EXPECT_EQ(PrizeClassOf(c.type, c.hits), c.prizeClass) << c.type << "/" << c.hits;
    }
}

TEST(Payout, ClassColoursAreStoredAsBgr) {
    EXPECT_EQ(PrizeClassColors[1], 0x36BBFEu);  // #FEBB36
    EXPECT_EQ(PrizeClassColors[5], 0xE16941u);  // #4169E1
    EXPECT_EQ(PrizeClassColors[12], 0x8AFDC7u); // #C7FD8A
    EXPECT_EQ(PrizeClassFontColors[5], 0xFFFFFFu);
    EXPECT_EQ(PrizeClassFontColors[10], 0u);
}

} // namespace
} // namespace qv
