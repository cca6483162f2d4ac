#include "engine/tips/TipRowSlips.h"

#include "engine/core/SlipFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::TempDir;

// A grid row: draw count, stake and numbers as texts.
TipRowCells Row(std::string draws, std::string stake, std::vector<std::string> numbers) {
    TipRowCells cells;
    cells[1] = std::move(draws);
    cells[2] = std::move(stake);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        cells[kFirstNumberColumn + i] = numbers[i];
    }
    return cells;
}

std::vector<TipRowCells> NineRows() {
    std::vector<TipRowCells> rows;
    for (int r = 1; r <= 9; ++r) {
        rows.push_back(Row(" ", " ", {std::to_string(r), std::to_string(r + 10)}));
    }
    return rows;
}

TEST(TipRowSlips, FirstRowsOfSlipsAreChecked) {
    struct Case {
        const char* name;
        std::vector<TipRowCells> rows;
        std::optional<std::string> refusal;
    };
    auto nine = NineRows();
    nine[0][1] = "14";
    nine[0][2] = "10";
    auto nineComplete = nine;
    nineComplete[8][1] = " 7 ";
    nineComplete[8][2] = "1";
    auto badSecondRow = nineComplete;
    badSecondRow[1][1] = "x"; // only first rows count
    const Case cases[] = {
        {"no rows at all",
         {},
         "Es fehlt eine Angabe für die Anzahl der Ziehungen für Feld 1.\r\rIch breche erst einmal ab."},
        {"missing draw count in row 9", nine,
         "Es fehlt eine Angabe für die Anzahl der Ziehungen für Feld 9.\r\rIch breche erst einmal ab."},
        {"draw count 3",
         {Row("3", "1", {"1", "2"})},
         "3 für Feld 1 ist kein zulässiger Wert für die Anzahl der Ziehungen.\r\rIch breche erst einmal ab."},
        {"missing stake",
         {Row("1", "  ", {"1", "2"})},
         "Es fehlt eine Angabe für den Einsatz für Feld 1.\r\rIch breche erst einmal ab."},
        {"stake 6",
         {Row("1", "6", {"1", "2"})},
         "6 für Feld 1 ist kein zulässiger Wert für den Einsatz.\r\rIch breche erst einmal ab."},
        {"stake 266 is no byte value",
         {Row("1", "266", {"1", "2"})},
         "266 für Feld 1 ist kein zulässiger Wert für den Einsatz.\r\rIch breche erst einmal ab."},
        {"no integer", {Row("1x", "1", {"1", "2"})}, "'1x' ist kein gültiger Integerwert"},
        {"complete", nineComplete, std::nullopt},
        {"other rows unchecked", badSecondRow, std::nullopt},
    };
    for (const Case& c : cases) {
        auto rows = c.rows;
        EXPECT_EQ(ValidateRowGroups(rows), c.refusal) << c.name;
    }
    ValidateRowGroups(nineComplete);
    EXPECT_EQ(nineComplete[8][1], "7"); // trimmed in place
}

TEST(TipRowSlips, EveryNumberIsCheckedBeforeAnythingIsWritten) {
    TempDir dir;
    auto rows = NineRows();
    for (const std::size_t first : {0u, 8u}) {
        rows[first][1] = "1";
        rows[first][2] = "1";
    }
    struct Case {
        const char* name;
        std::vector<std::string> lastRow;
        std::string refusal;
    };
    const Case cases[] = {
        {"a single space",
         {"3", " ", "15"},
         "' ' in Feld 9 ist keine Zahl von 1 bis 70.\r\rIch breche erst einmal ab."},
        {"71", {"71"}, "'71' in Feld 9 ist keine Zahl von 1 bis 70.\r\rIch breche erst einmal ab."},
        {"0", {"0", "5"}, "'0' in Feld 9 ist keine Zahl von 1 bis 70.\r\rIch breche erst einmal ab."},
        {"repeated", {"5", "6", "5"}, "Die Zahl 5 steht in Feld 9 mehrmals.\r\rIch breche erst einmal ab."},
    };
    for (const Case& c : cases) {
        auto bad = rows;
        bad[8] = Row("1", "1", c.lastRow);
        const RowsSaved saved = SaveRowsAsSlips(bad, dir / "Woche.kts");
        EXPECT_EQ(saved.refusal, c.refusal) << c.name;
        EXPECT_TRUE(saved.files.empty());
        EXPECT_FALSE(std::filesystem::exists(dir / "Woche-1.kts")) << c.name;
    }
}

TEST(TipRowSlips, NineRowsBecomeTwoNumberedFiles) {
    TempDir dir;
    auto rows = NineRows();
    rows[0][1] = "14";
    rows[0][2] = "10";
    rows[8][1] = "1";
    rows[8][2] = "2";
    rows[3] = Row("", "", {}); // column 3 empty: an empty field
    rows[3][5] = "44";
    rows[4] = Row("", "", {"9", "3", "70", "1"}); // kept in row order
    const RowsSaved saved = SaveRowsAsSlips(rows, dir / "Woche.kts");
    ASSERT_EQ(saved.refusal, std::nullopt);
    ASSERT_EQ(saved.files, (std::vector<std::filesystem::path>{dir / "Woche-1.kts", dir / "Woche-2.kts"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "Woche.kts"));

    const TSchein first = *ReadSlipFile(dir / "Woche-1.kts");
    EXPECT_EQ(first.einsatz, 5);
    EXPECT_EQ(first.Ziehungen, 4);
    EXPECT_EQ(first.kenotyp, (std::array<std::uint8_t, 8>{2, 2, 2, 0, 4, 2, 2, 2}));
    EXPECT_EQ(first.Z[3], (std::array<std::uint8_t, 10>{}));
    EXPECT_EQ(first.Z[4], (std::array<std::uint8_t, 10>{9, 3, 70, 1}));
    const TSchein second = *ReadSlipFile(dir / "Woche-2.kts");
    EXPECT_EQ(second.einsatz, 1);
    EXPECT_EQ(second.Ziehungen, 0);
    EXPECT_EQ(second.kenotyp, (std::array<std::uint8_t, 8>{2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(second.Z[0], (std::array<std::uint8_t, 10>{9, 19}));
}

TEST(TipRowSlips, NamesOfTheSavedFiles) {
    EXPECT_EQ(NumberedSlipPath("/tmp/Tipps/Woche.kts", 2), std::filesystem::path("/tmp/Tipps/Woche-2.kts"));
    EXPECT_EQ(NumberedSlipPath("/tmp/Tipps/Woche", 1), std::filesystem::path("/tmp/Tipps/Woche-1"));
    EXPECT_EQ(SavedFilesName("/tmp/Tipps/Woche.kts", 3), "Woche1-3.kts");
    EXPECT_EQ(SavedFilesCount(1), "Eine Dateie gespeichert");
    EXPECT_EQ(SavedFilesCount(3), "3 Dateien gespeichert");
}

TEST(TipRowSlips, BlankRowsAtTheEndBelongToNoSlip) {
    std::vector<TipRowCells> rows = {Row("1", "1", {"1", "2"}), Row(" ", " ", {}), Row("", "", {" "})};
    DropTrailingEmptyRows(rows);
    EXPECT_EQ(rows.size(), 1u);
    // A row with a number after an empty first cell is kept, so that a save names it.
    std::vector<TipRowCells> gap = {Row("1", "1", {"1", "2"}), Row("", "", {" ", "5"})};
    DropTrailingEmptyRows(gap);
    EXPECT_EQ(gap.size(), 2u);
    std::vector<TipRowCells> onlyBlank = {Row("", "", {}), Row("", "", {})};
    DropTrailingEmptyRows(onlyBlank);
    EXPECT_EQ(onlyBlank.size(), 1u);
}

} // namespace
} // namespace qv
