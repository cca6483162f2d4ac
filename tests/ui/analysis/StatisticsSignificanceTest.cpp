#include "support/CsvReader.h"
#include "support/MainWindowFixture.h"

#include "ui/analysis/TFStatistik1.h"
#include "ui/frame/WindowRegistry.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

namespace qv::test {
namespace {

// Draw i of days: the 20 numbers from 1 + 20·i on, counted round past 70, so that 7 draws hold every
// number twice.
std::vector<TGewZahlen> EvenHistory(int count) {
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < count; ++i) {
        TGewZahlen draw;
        draw.datum = 45505 + i;
        for (std::size_t p = 0; p < 20; ++p) {
            draw.GZ[p] = static_cast<std::uint8_t>((20 * i + static_cast<int>(p)) % 70 + 1);
        }
        draws.push_back(draw);
    }
    return draws;
}

// The numbers 1 to 20 every day.
std::vector<TGewZahlen> SameNumbersEveryDay(int count) {
    std::vector<TGewZahlen> draws = EvenHistory(count);
    for (TGewZahlen& draw : draws) {
        std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(1));
    }
    return draws;
}

class StatisticsSignificanceTest : public MainWindowFixture {
protected:
    void StartWith(const std::vector<TGewZahlen>& draws) {
        SaveDraws(DrawFile(), draws);
        Start();
        Click(QStringLiteral("BStatistik"));
        m_stats = qobject_cast<TFStatistik1*>(m_app->Windows().Find(QStringLiteral("FStatistik1")));
        ASSERT_NE(m_stats, nullptr);
    }
    QString Text(const char* name) const { return Find<QLabel>(m_stats, QString::fromUtf8(name))->text(); }
    QAbstractItemModel* Grid() const { return Find<QTableView>(m_stats, QStringLiteral("GSignifikanz"))->model(); }
    QString Cell(int row, int column) const { return Grid()->index(row, column).data().toString(); }
    void Evaluate(int order) const {
        Find<QRadioButton>(m_stats, QStringLiteral("RG1_%1").arg(order))->setChecked(true);
        QTest::mouseClick(Find<QPushButton>(m_stats, QStringLiteral("BSort")), Qt::LeftButton);
    }

    TFStatistik1* m_stats = nullptr;
};

TEST_F(StatisticsSignificanceTest, EvenHistoryShowsNoDeviation) {
    StartWith(EvenHistory(28));
    auto* views = Find<QTabWidget>(m_stats, QStringLiteral("TabAnsicht"));
    ASSERT_EQ(views->count(), 2);
    EXPECT_EQ(views->tabText(0), QStringLiteral("S&treubänder"));
    EXPECT_EQ(views->tabText(1), QStringLiteral("Si&gnifikanz"));
    EXPECT_EQ(views->currentIndex(), 0) << "the bands come first, as before";

    // Shown from the creation on, like the bands.
    EXPECT_EQ(Text("LSigma"), QStringLiteral("Bei 28 Ziehungen erwartet je Zahl 8,0 Treffer, σ = 2,39."));
    EXPECT_EQ(Text("LChiQuadrat"),
              QStringLiteral("χ² = 0,00 bei 69 Freiheitsgraden (korrigiert für Ziehen ohne Zurücklegen), p = 1,000"));
    EXPECT_EQ(Text("LBedeutungSigma"),
              QStringLiteral("Bei reinem Zufall liegen etwa 3 von 70 Zahlen außerhalb von ±2σ; in diesem Zeitraum "
                             "sind es 0."));
    EXPECT_TRUE(Text("LBedeutungChiQuadrat").contains(QStringLiteral("kein Hinweis darauf")));
    EXPECT_EQ(Grid()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Abweichung (σ)"));
    ASSERT_EQ(Grid()->rowCount(), 70);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral("8"));
    EXPECT_EQ(Cell(69, 2), QStringLiteral("0,00"));
}

TEST_F(StatisticsSignificanceTest, SkewedHistoryIsFlaggedAndFollowsPeriodAndOrder) {
    StartWith(SameNumbersEveryDay(28));
    EXPECT_EQ(
        Text("LChiQuadrat"),
        QStringLiteral("χ² = 1.932,00 bei 69 Freiheitsgraden (korrigiert für Ziehen ohne Zurücklegen), p < 0,001"));
    EXPECT_TRUE(Text("LBedeutungSigma").endsWith(QStringLiteral("in diesem Zeitraum sind es 70.")));
    EXPECT_TRUE(Text("LBedeutungChiQuadrat").startsWith(QStringLiteral("So starke Abweichungen kommen")));
    // √(2.5 · 28) above, √(0.4 · 28) below: every number lies beyond 2σ.
    EXPECT_EQ(Cell(0, 2), QStringLiteral("+8,37"));
    EXPECT_EQ(Cell(69, 2), QStringLiteral("-3,35"));
    EXPECT_TRUE(Grid()->index(0, 2).data(Qt::FontRole).value<QFont>().bold()) << "beyond 2σ";

    // The last eight draws: too few for the test.
    auto* from = Find<QComboBox>(m_stats, QStringLiteral("Co1"));
    from->setCurrentIndex(20);
    Evaluate(2);
    EXPECT_EQ(Text("LSigma"), QStringLiteral("Bei 8 Ziehungen erwartet je Zahl 2,3 Treffer, σ = 1,28."));
    EXPECT_TRUE(Text("LBedeutungChiQuadrat").startsWith(QStringLiteral("Für den χ²-Test sind es zu wenige")));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1")) << "absence order: by number";
}

TEST_F(StatisticsSignificanceTest, SlotsAndSignificanceAreCopiedAsShown) {
    StartWith(SameNumbersEveryDay(3));
    m_stats->show();
    Evaluate(1);
    // The 70 slots: by frequency, then the class.
    auto* slotGrid = Find<QWidget>(m_stats, QStringLiteral("P1"));
    slotGrid->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(slotGrid, Qt::Key_C, Qt::ControlModifier);
    QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 70 + 1);
    EXPECT_EQ(lines[0], QStringLiteral("Platz\tZahl\tHäufigkeit\tKlasse"));
    EXPECT_EQ(lines[1], QStringLiteral("1\t1\t3\t%1").arg(DeviationClassOf(3, DeviationThresholds(3))));
    EXPECT_EQ(lines[70], QStringLiteral("70\t70\t0\t4"));

    Evaluate(2);
    QTest::keyClick(slotGrid, Qt::Key_C, Qt::ControlModifier);
    lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines[0], QStringLiteral("Platz\tZahl\tAusgeblieben"));
    EXPECT_EQ(lines[1], QStringLiteral("1\t21\t3"));

    // The significance grid is saved as it is shown.
    const std::filesystem::path path = Data() / "Signifikanz.csv";
    m_fakes.fileDialogs.SetNextChoice({FromPath(path)});
    auto* grid = Find<QTableView>(m_stats, QStringLiteral("GSignifikanz"));
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->findChild<QAction*>(QStringLiteral("ExportSpeichern"))->trigger();
    menu->close();
    ASSERT_EQ(m_fakes.fileDialogs.requests.size(), 1);
    EXPECT_EQ(m_fakes.fileDialogs.requests[0].proposedName, QStringLiteral("Signifikanz.csv"));
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    const auto rows =
        ReadCsv(QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 71);
    EXPECT_EQ(rows->at(0), (QStringList{"Zahl", "Häufigkeit", "Abweichung (σ)"}));
    for (int r = 0; r < 70; ++r) {
        EXPECT_EQ(rows->at(r + 1), (QStringList{Cell(r, 0), Cell(r, 1), Cell(r, 2)})) << r;
    }
    EXPECT_EQ(rows->at(1), (QStringList{"1", "3", "+2,74"}));
}

} // namespace
} // namespace qv::test
