#include "ui/widgets/GridRoutines.h"
#include "engine/core/SlipFile.h"
#include "text/DataFolder.h"
#include "ui/widgets/StringGrid.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CenterPad, PadsWithTheBlanksThatCentreTheTextInItsShareOfTheColumn) {
    StringGrid grid;
    const int blank = TextWidthIn(grid.font(), " ");
    const int text = TextWidthIn(grid.font(), "Datum");
    ASSERT_GT(blank, 0);
    // A column whose 80 percent leave exactly four blanks on each side.
    const int width = (text + 8 * blank) * 10 / 8;
    const QString padded = CenterPad80("Datum", width, grid);
    const int blanks = static_cast<int>(padded.size() - QString("Datum").size());
    EXPECT_NEAR(blanks, 4, 1);
    EXPECT_TRUE(padded.endsWith("Datum"));
    EXPECT_LE(CenterPad70("Datum", width, grid).size(), padded.size());

    // Wider than its share: no blanks at all.
    EXPECT_EQ(CenterPad80("Gewinnreihen-Statistik", 40, grid), "Gewinnreihen-Statistik");
    EXPECT_EQ(CenterPad70("", 0, grid), "");
}

TEST(GridHeadings, DrawGridAndTipRowGrid) {
    StringGrid draws;
    SetDrawGridHeadings(draws);
    EXPECT_EQ(draws.columnCount(), 21);
    EXPECT_EQ(draws.ColumnWidth(0), 66);
    EXPECT_EQ(draws.Cell(0, 0).trimmed(), "Datum");
    EXPECT_TRUE(draws.Cell(0, 0).startsWith(' '));
    EXPECT_EQ(draws.Cell(20, 0).trimmed(), "20");

    StringGrid tips;
    SetTipRowHeadings(tips);
    QStringList headings;
    for (int column = 0; column < tips.columnCount(); ++column) {
        headings << tips.Cell(column, 0);
    }
    EXPECT_EQ(headings, QStringList({"Feld", "Zieh.", "  €", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(tips.ColumnWidth(0), 34);
    EXPECT_EQ(tips.ColumnWidth(1), 34);
    EXPECT_EQ(tips.ColumnWidth(2), 24);
}

class LoadSlipRowsTest : public ::testing::Test {
protected:
    void SetUp() override { SetTipRowHeadings(m_grid); }

    // One row of the grid, blanks of padded cells removed.
    QStringList Row(int row) const {
        QStringList cells;
        for (int column = 0; column < m_grid.columnCount(); ++column) {
            cells << m_grid.Cell(column, row).trimmed();
        }
        return cells;
    }

    std::filesystem::path Slip(const char* name, const TSchein& slip) {
        const std::filesystem::path path = ToPath(m_folder.path()) / name;
        WriteSlipFile(path, slip);
        return path;
    }

    QTemporaryDir m_folder;
    StringGrid m_grid;
};

TEST_F(LoadSlipRowsTest, ListsOneRowPerFilledFieldAndNumbersOnOverSeveralFiles) {
    TSchein first;
    first.einsatz = 5;   // 10 euros
    first.Ziehungen = 4; // 14 draws
    first.kenotyp = {3, 0, 2, 0, 0, 0, 0, 0};
    first.Z[0] = {70, 1, 35};
    first.Z[2] = {12, 13};
    TSchein second;
    second.kenotyp = {0, 0, 0, 0, 0, 0, 0, 10};
    second.Z[7] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

    int rows = LoadSlipRows(m_grid, LoadSlip(Slip("a.kts", first)), 0);
    rows = LoadSlipRows(m_grid, LoadSlip(Slip("b.kts", second)), rows);

    EXPECT_EQ(rows, 3);
    EXPECT_EQ(m_grid.rowCount(), 4);
    EXPECT_EQ(Row(1), QStringList({"1", "14", "10", "70", "1", "35", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(2), QStringList({"2", "14", "10", "12", "13", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Row(3), QStringList({"3", "1", "1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_TRUE(m_grid.Cell(1, 1).startsWith(' ')); // centred by blanks
    EXPECT_EQ(m_grid.Cell(3, 1), "70");             // numbers unpadded

    // A new list starts from 0 and empties what the old one left behind.
    EXPECT_EQ(LoadSlipRows(m_grid, LoadSlip(Slip("c.kts", second)), 0), 1);
    EXPECT_EQ(m_grid.rowCount(), 2);
    EXPECT_EQ(Row(1), QStringList({"1", "1", "1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST_F(LoadSlipRowsTest, AMissingFileStartsTheCountAgainAndLeavesTheGrid) {
    TSchein slip;
    slip.kenotyp[0] = 2;
    slip.Z[0] = {4, 5};
    LoadSlipRows(m_grid, LoadSlip(Slip("a.kts", slip)), 0);
    EXPECT_EQ(LoadSlipRows(m_grid, LoadSlip(ToPath(m_folder.path()) / "fehlt.kts"), 1), 0);
    EXPECT_EQ(m_grid.rowCount(), 2);
    EXPECT_EQ(m_grid.Cell(3, 1), "4");
}

TEST_F(LoadSlipRowsTest, TheDemoSlipOfTheInstallationHasSeveralKenoTypes) {
    const int rows = LoadSlipRows(m_grid, LoadSlip(ToPath(QStringLiteral(QV_SOURCE_DATA_DIR "/Demo.kts"))), 0);
    EXPECT_GE(rows, 4);
    QSet<int> types;
    for (int row = 1; row <= rows; ++row) {
        int count = 0;
        for (int column = 3; column < 13; ++column) {
            count += m_grid.Cell(column, row).isEmpty() ? 0 : 1;
        }
        types.insert(count);
    }
    EXPECT_GE(types.size(), 4);
    EXPECT_EQ(m_grid.Cell(1, 1).trimmed(), "7");
    EXPECT_EQ(m_grid.Cell(2, 1).trimmed(), "2");
}

} // namespace
} // namespace qv
