#include "engine/core/Records.h"
#include "engine/core/NumberSet.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>

namespace qv {
namespace {

TEST(NumberSet, BytesFollowTheDocumentedBitOrder) {
    const NumberSet set{0, 1, 9, 70, 255};
    const auto bytes = set.ToBytes();
    // n is bit (n mod 8) of byte (n div 8)
    EXPECT_EQ(bytes[0], 0b0000'0011);
    EXPECT_EQ(bytes[1], 0b0000'0010);
    EXPECT_EQ(bytes[8], 0b0100'0000);
    EXPECT_EQ(bytes[31], 0b1000'0000);
    EXPECT_EQ(NumberSet::FromBytes(bytes), set);
    EXPECT_EQ(set.Count(), 5);
}

TEST(NumberSet, HitCountIsTheSizeOfTheIntersection) {
    const NumberSet draw{1, 2, 3, 40, 70};
    EXPECT_EQ(HitCount(draw, NumberSet{2, 3, 4, 70}), 3);
    EXPECT_EQ(HitCount(draw, NumberSet{}), 0);
}

TEST(TGewZahlen, RoundTripsAtTheDocumentedOffsets) {
    std::array<std::uint8_t, 32> bytes{};
    // 2 February 2004 is day 38019; little-endian double
    const double day = 38019;
    const auto bits = std::bit_cast<std::uint64_t>(day);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    std::iota(bytes.begin() + 8, bytes.begin() + 28, 1);
    bytes[28] = 0xAA; // reserved bytes travel along
    bytes[31] = 0x55;

    const TGewZahlen draw = TGewZahlen::FromBytes(bytes);
    EXPECT_EQ(draw.datum, 38019);
    EXPECT_EQ(draw.GZ[0], 1);
    EXPECT_EQ(draw.GZ[19], 20);
    EXPECT_EQ(draw.GZ[20], 0xAA);
    EXPECT_TRUE(draw.IsComplete());

    std::array<std::uint8_t, 32> back{};
    draw.ToBytes(back);
    EXPECT_EQ(back, bytes);
}

TEST(TGewZahlen, ADoubledNumberGivesASetOfNineteen) {
    TGewZahlen draw;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, 1);
    draw.GZ[19] = 5;
    EXPECT_EQ(draw.Numbers().Count(), 19);
}

TEST(TSchein, RoundTripsAtTheDocumentedOffsets) {
    std::array<std::uint8_t, 90> bytes{};
    bytes[40] = 7;  // field 5, first number
    bytes[41] = 70; // field 5, second number
    bytes[80] = 5;  // stake index: 10 euros
    bytes[81] = 4;  // draw-count index: 14 draws
    bytes[86] = 2;  // count of field 5

    const TSchein slip = TSchein::FromBytes(bytes);
    EXPECT_EQ(slip.Z[4][0], 7);
    EXPECT_EQ(slip.einsatz, 5);
    EXPECT_EQ(slip.Ziehungen, 4);
    EXPECT_EQ(slip.kenotyp[4], 2);
    EXPECT_EQ(slip.FieldSet(4), (NumberSet{7, 70}));

    std::array<std::uint8_t, 90> back{};
    slip.ToBytes(back);
    EXPECT_EQ(back, bytes);
}

TEST(TSchein, ACountAboveTenNeverReadsBeyondItsField) {
    TSchein slip;
    slip.Z[0].fill(3);
    slip.Z[1][0] = 50;
    slip.kenotyp[0] = 200;
    EXPECT_EQ(slip.FieldNumbers(0).size(), 10u);
    EXPECT_FALSE(slip.FieldSet(0).Contains(50));
}

TEST(TScheinBool, RoundTripsAtTheDocumentedOffsets) {
    std::array<std::uint8_t, 656> bytes{};
    bytes[70 + 16] = 1;     // field 2, number 17
    bytes[560 + 4] = 1;     // Anz of field 2
    bytes[592 + 4] = 6;     // typ of field 2
    bytes[624 + 28] = 0xFF; // Einsatz of field 8 = -1
    bytes[625 + 28] = 0xFF;
    bytes[626 + 28] = 0xFF;
    bytes[627 + 28] = 0xFF;

    const TScheinBool slip = TScheinBool::FromBytes(bytes);
    EXPECT_TRUE(slip.Z[1][16]);
    EXPECT_EQ(slip.Anz[1], 1);
    EXPECT_FALSE(slip.FieldComplete(1));
    EXPECT_EQ(slip.typ[1], 6);
    EXPECT_EQ(slip.Einsatz[7], -1);

    std::array<std::uint8_t, 656> back{};
    slip.ToBytes(back);
    EXPECT_EQ(back, bytes);
}

} // namespace
} // namespace qv
