#include "engine/core/SlipFile.h"
#include "engine/core/SlipRows.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// A 90-byte record with one field: numbers at field f, stake and draw-count indices.
std::vector<std::uint8_t> SlipRecord(int field, std::vector<std::uint8_t> numbers, std::uint8_t stake,
                                     std::uint8_t draws) {
    std::vector<std::uint8_t> bytes(90, 0);
    std::copy(numbers.begin(), numbers.end(), bytes.begin() + 10 * (field - 1));
    bytes[80] = stake;
    bytes[81] = draws;
    bytes[82 + field - 1] = static_cast<std::uint8_t>(numbers.size());
    return bytes;
}

TEST(SlipFile, ReadsTheLastWholeRecord) {
    TempDir dir;
    const auto first = SlipRecord(1, {1, 2, 3}, 0, 0);
    const auto second = SlipRecord(2, {9, 8}, 1, 2);

    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        TSchein expected;
    };
    std::vector<std::uint8_t> twoRecords = first;
    twoRecords.insert(twoRecords.end(), second.begin(), second.end());
    std::vector<std::uint8_t> withTail = first;
    withTail.insert(withTail.end(), 10, 0x33);
    const Case cases[] = {
        {"two records (180 bytes)", twoRecords, TSchein::FromBytes(std::span(second).first<90>())},
        {"record and ten stray bytes (100 bytes)", withTail, TSchein::FromBytes(std::span(first).first<90>())},
        {"empty file", {}, TSchein{}},
    };
    for (const Case& c : cases) {
        const auto path = dir / "s.kts";
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadSlipFile(path), c.expected) << c.name;
    }
    EXPECT_EQ(ReadSlipFile(dir / "fehlt.kts"), std::nullopt);
}

TEST(SlipFile, WritesExactlyOneRecordByteForByte) {
    TempDir dir;
    const auto path = dir / "s.kts";
    WriteBytes(path, std::vector<std::uint8_t>(270, 0xFF)); // an older, longer file is replaced whole
    const auto bytes = SlipRecord(5, {70, 1, 35, 2}, 5, 4);
    WriteSlipFile(path, TSchein::FromBytes(std::span(bytes).first<90>()));
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(SlipFile, DisplayNameCutsFolderAndExtension) {
    EXPECT_EQ(SlipDisplayName("/home/x/Demo.kts"), "Demo");
    EXPECT_EQ(SlipDisplayName("/home/x/mein.schein.kts"), "mein.schein");
    EXPECT_EQ(SlipDisplayName("/home/x/ohnepunkt"), "ohnepunkt");
}

TEST(SlipFile, OnlyFieldFiveGivesOneRowNamedFieldFive) {
    const auto bytes = SlipRecord(5, {12, 7, 33}, 2, 3);
    const auto rows = SlipRows(TSchein::FromBytes(std::span(bytes).first<90>()), 4);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].rowNumber, 5);
    EXPECT_EQ(rows[0].field, 5);
    EXPECT_EQ(rows[0].stakeEuros, 3);
    EXPECT_EQ(rows[0].drawCount, 7);
    EXPECT_EQ(rows[0].numbers, (std::vector<int>{12, 7, 33}));
}

TEST(SlipFile, ValuesOutsideTheFormatNeverReadOutsideRecordOrTables) {
    auto bytes = SlipRecord(8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 200, 5);
    bytes[89] = 250; // count of field 8 far above ten
    const auto rows = SlipRows(TSchein::FromBytes(std::span(bytes).first<90>()));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kenoType, 250);
    EXPECT_EQ(rows[0].numbers.size(), 10u);
    EXPECT_EQ(rows[0].stakeEuros, std::nullopt);
    EXPECT_EQ(rows[0].drawCount, std::nullopt);
}

TEST(SlipFile, OldLayoutIsConvertedAndKept) {
    TempDir dir;
    const auto dataFolder = dir.Path() / "data";
    std::filesystem::create_directories(dataFolder);
    const auto path = dir / "alt.kts";
    std::vector<std::uint8_t> old(96, 0);
    old[0] = 4;
    old[1] = 44;
    old[40] = 70; // field 5
    old[80] = 2;  // count of field 1
    old[84] = 1;  // count of field 5
    old[85] = 9;  // bytes 85-87 and 89-95 carry no meaning the new layout keeps
    old[88] = 3;  // stake index
    old[95] = 0x5A;
    WriteBytes(path, old);

    ASSERT_TRUE(IsOldSlipFile(path));
    const TSchein slip = ConvertOldSlipFile(path, dataFolder);

    std::vector<std::uint8_t> expected(90, 0);
    expected[0] = 4;
    expected[1] = 44;
    expected[40] = 70;
    expected[80] = 3;
    expected[82] = 2;
    expected[86] = 1;
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(ReadSlipFile(path), slip);
    EXPECT_EQ(ReadBytes(dataFolder / "AlteDateien" / "alt.kts"), old);
    EXPECT_FALSE(IsOldSlipFile(path));
}

} // namespace
} // namespace qv
