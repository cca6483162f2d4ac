#include "engine/printing/CalibrationSheet.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Number n of field f at (1000·f + 10·n, 100·f + n), the boxes and the slip number apart.
TDruckParameter Telling() {
    TDruckParameter set;
    for (int f = 1; f <= 8; ++f) {
        for (int n = 1; n <= 70; ++n) {
            set.feldPos[static_cast<std::size_t>(f - 1)][static_cast<std::size_t>(n - 1)] = {1000 * f + 10 * n,
                                                                                             100 * f + n};
        }
    }
    for (int i = 0; i < 6; ++i) {
        set.einsatzPos[static_cast<std::size_t>(i)] = {5000 + i, 50};
    }
    for (int i = 0; i < 5; ++i) {
        set.ziehungenPos[static_cast<std::size_t>(i)] = {6000 + i, 60};
    }
    set.scheinNrX = 7000;
    set.scheinNrY = 70;
    return set;
}

TEST(CalibrationSheet, ACrossForEveryPlaceAMarkCanLand) {
    const std::vector<PaperPoint> marks = CalibrationMarks(Telling(), 230, -5);
    ASSERT_EQ(marks.size(), 572u);
    EXPECT_EQ(marks[0], (PaperPoint{1010 + 230, 101 - 5}));           // field 1, number 1
    EXPECT_EQ(marks[69], (PaperPoint{1700 + 230, 170 - 5}));          // field 1, number 70
    EXPECT_EQ(marks[7 * 70 + 60], (PaperPoint{8610 + 230, 861 - 5})); // field 8, number 61
    EXPECT_EQ(marks[560], (PaperPoint{5000 + 230, 50 - 5}));          // stake 1 €
    EXPECT_EQ(marks[565], (PaperPoint{5005 + 230, 50 - 5}));          // stake 10 €
    EXPECT_EQ(marks[566], (PaperPoint{6000 + 230, 60 - 5}));          // 1 draw
    EXPECT_EQ(marks[570], (PaperPoint{6004 + 230, 60 - 5}));          // 14 draws
    EXPECT_EQ(marks[571], (PaperPoint{7000 + 230, 70 - 5}));          // slip number
}

// The crosses follow the real print: a scale correction moves them exactly as it moves the marks.
TEST(CalibrationSheet, CrossesAreCentredOnTheMiddleOfEachScaledMark) {
    TDruckParameter set = Telling();
    set.scaleX = 1100;
    set.scaleY = 900;
    const std::vector<PaperLine> lines = CalibrationCrosses(set, 10, 20, {8, 23});
    ASSERT_EQ(lines.size(), 2u * 572u);
    // Field 1, number 1 at (1010, 101): scaled (1111, 91), shifted (1121, 111), middle (1129, 134).
    EXPECT_EQ(lines[0], (PaperLine{{1129 - 20, 134}, {1129 + 20, 134}}));
    EXPECT_EQ(lines[1], (PaperLine{{1129, 134 - 20}, {1129, 134 + 20}}));
    const std::vector<PaperPoint> marks = CalibrationMarks(set, 10, 20);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(lines[2 * i].from.y, marks[i].y + 23) << i;
        EXPECT_EQ(lines[2 * i + 1].from.x, marks[i].x + 8) << i;
    }
}

} // namespace
} // namespace qv
