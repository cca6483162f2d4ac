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

TEST(SlipFile, LoadSlipTakesAnOldSlipInTheCurrentLayoutAndLeavesTheFile) {
    TempDir dir;
    const auto path = dir / "alt.kts";
    std::vector<std::uint8_t> old(96, 0);
    old[0] = 4;
    old[1] = 44;
    old[80] = 2; // count of field 1
    old[88] = 5; // stake index: 10 euros
    WriteBytes(path, old);

    const std::optional<TSchein> slip = LoadSlip(path);
    ASSERT_TRUE(slip.has_value());
    const auto rows = SlipRows(*slip);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].numbers, (std::vector<int>{4, 44}));
    EXPECT_EQ(rows[0].stakeEuros, 10);
    EXPECT_EQ(rows[0].drawCount, 1);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(LoadSlip(dir / "fehlt.kts"), std::nullopt);
}

TEST(SlipFile, LoadSlipRefusesImpossibleContentsNamingFileAndField) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* problem;
    };
    auto typeTooHigh = SlipRecord(3, {1, 2}, 0, 0);
    typeTooHigh[84] = 255;
    std::vector<std::uint8_t> random(90);
    for (std::size_t i = 0; i < random.size(); ++i) {
        random[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    const Case cases[] = {
        {"Keno-Typ 255", typeTooHigh, "Feld 3: Keno-Typ 255 gibt es nicht (höchstens 10 Zahlen)"},
        {"Zahl über 70", SlipRecord(2, {5, 71}, 0, 0), "Feld 2: die Zahl 71 liegt nicht zwischen 1 und 70"},
        {"Zahl 0", SlipRecord(1, {0, 7}, 0, 0), "Feld 1: die Zahl 0 liegt nicht zwischen 1 und 70"},
        {"doppelte Zahl", SlipRecord(4, {9, 3, 9}, 0, 0), "Feld 4: die Zahl 9 steht mehrmals darin"},
        {"Einsatz", SlipRecord(1, {1, 2}, 6, 0), "Einsatz: der Wert 6 steht für keinen Einsatz des Spiels"},
        {"Ziehungen", SlipRecord(1, {1, 2}, 0, 5), "Ziehungen: der Wert 5 steht für keine Anzahl von Ziehungen"},
        {"Zufallsbytes", random, "Feld 1: Keno-Typ 229 gibt es nicht (höchstens 10 Zahlen)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto path = dir / "x.kts";
        WriteBytes(path, c.bytes);
        try {
            (void)LoadSlip(path);
            ADD_FAILURE() << "not refused";
        } catch (const SlipContentError& error) {
            EXPECT_EQ(std::string(error.what()), "Die Datei „" + path.string() + "“ ist kein gültiger Spielschein (" +
                                                     c.problem + "); sie wird nicht verwendet.");
        }
    }
}

TEST(SlipFile, LoadSlipTakesEverySlipTheProgramWrites) {
    // A field of one number comes from a text row of one number; empty fields may lie between others.
    TSchein slip;
    slip.Z[0] = {70};
    slip.kenotyp[0] = 1;
    slip.Z[7] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    slip.kenotyp[7] = 10;
    slip.einsatz = 5;
    slip.Ziehungen = 4;
    TempDir dir;
    WriteSlipFile(dir / "a.kts", slip);
    EXPECT_EQ(LoadSlip(dir / "a.kts"), slip);
    WriteBytes(dir / "leer.kts", {});
    EXPECT_EQ(LoadSlip(dir / "leer.kts"), TSchein{});
}

} // namespace
} // namespace qv
