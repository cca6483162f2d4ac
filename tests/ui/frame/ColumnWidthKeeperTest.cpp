// Column widths the player sets stay for the next time the window opens, also after the program ended.

#include "support/MainWindowFixture.h"

#include "engine/core/ColumnWidths.h"
#include "engine/core/IniFile.h"

#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>

namespace qv::test {
namespace {

class ColumnWidthKeeperTest : public MainWindowFixture {
protected:
    QTableView* OddsGrid() {
        QWidget* odds = m_app->Windows().OpenOrRestore(m_app->Context(), QStringLiteral("FGewinnchancen"));
        EXPECT_NE(odds, nullptr);
        return odds != nullptr ? Find<QTableView>(odds, QStringLiteral("GTypen")) : nullptr;
    }
    std::vector<int> Kept() const {
        return ReadColumnWidths(IniFile(Data() / kSettingsFileName), "FGewinnchancen", "GTypen");
    }
    // Drags the right edge of column by dx pixels, as the player does with the mouse.
    static void DragEdge(QTableView& grid, int column, int dx) {
        QHeaderView& header = *grid.horizontalHeader();
        const QPoint edge(header.sectionViewportPosition(column) + header.sectionSize(column) - 1, header.height() / 2);
        QTest::mousePress(header.viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header.viewport(), edge + QPoint(dx / 2, 0));
        QTest::mouseMove(header.viewport(), edge + QPoint(dx, 0));
        QTest::mouseRelease(header.viewport(), Qt::LeftButton, {}, edge + QPoint(dx, 0));
    }
};

TEST_F(ColumnWidthKeeperTest, AWidthThePlayerSetsIsKeptPerWindowAndGridAcrossSessions) {
    Start();
    QTableView* grid = OddsGrid();
    ASSERT_NE(grid, nullptr);
    const int fitted = grid->columnWidth(1);
    EXPECT_TRUE(Kept().empty()) << "the program's own widths are not kept";

    DragEdge(*grid, 1, 60);
    ASSERT_EQ(grid->columnWidth(1), fitted + 60);
    const std::vector<int> kept = Kept();
    ASSERT_GT(kept.size(), 1u);
    EXPECT_EQ(kept[1], fitted + 60);
    EXPECT_EQ(kept[0], grid->columnWidth(0));

    // The next session opens the window with the player's width; the other grids keep their own.
    m_app.reset();
    Start();
    grid = OddsGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnWidth(1), fitted + 60);
    EXPECT_TRUE(ReadColumnWidths(IniFile(Data() / kSettingsFileName), "FGewinnchancen", "GTreffer").empty());
}

// Result tabs are made after the main window shows, one per evaluation: each takes the width the player
// gave a column of an earlier one.
TEST_F(ColumnWidthKeeperTest, ResultTabsMadeLaterTakeTheWidthSetInAnEarlierOne) {
    SaveDraws(DrawFile(), MadeUpHistory(3));
    Start();
    m_main->OpenSlipInMainWindow(WriteSlip("s.kts", Slip({{1, {1, 2}}})));
    const auto evaluate = [this] {
        Click(QStringLiteral("BAuswerten"));
        auto* results = Main<QTabWidget>(QStringLiteral("PCF1"));
        QWidget* page = results->currentWidget();
        return page != nullptr ? Find<QTableView>(page, QStringLiteral("GA1")) : nullptr;
    };
    QTableView* first = evaluate();
    ASSERT_NE(first, nullptr);
    const int programs = first->columnWidth(2);
    DragEdge(*first, 2, 40);
    ASSERT_EQ(first->columnWidth(2), programs + 40);

    QTableView* second = evaluate();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    EXPECT_EQ(second->columnWidth(2), programs + 40);
    EXPECT_EQ(ReadColumnWidths(IniFile(Data() / kSettingsFileName), "FAuswertung", "GA1").at(2), programs + 40);
}

TEST_F(ColumnWidthKeeperTest, BadKeptWidthsLeaveTheProgramsWidths) {
    IniFile(Data() / kSettingsFileName).WriteString(kColumnWidthSection, "FGewinnchancen.GTypen", "x,99999,-4");
    Start();
    QTableView* grid = OddsGrid();
    ASSERT_NE(grid, nullptr);
    for (int column = 0; column < 3; ++column) {
        EXPECT_GT(grid->columnWidth(column), 10) << column;
        EXPECT_LT(grid->columnWidth(column), 1000) << column;
    }
}

} // namespace
} // namespace qv::test
