#include "support/MainWindowFixture.h"

#include "ui/evaluation/TFGewinnchancen.h"

#include <QAction>
#include <QLabel>
#include <QTableView>

namespace qv::test {
namespace {

class GewinnchancenTest : public MainWindowFixture {
protected:
    TFGewinnchancen* Open() {
        auto* item = Main<QAction>(QStringLiteral("MGewinnchancen"));
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        auto* window = qobject_cast<TFGewinnchancen*>(m_app->Windows().Find(QStringLiteral("FGewinnchancen")));
        EXPECT_NE(window, nullptr);
        return window;
    }
    static QString Cell(QWidget* window, const char* grid, int row, int column) {
        auto* view = window->findChild<QTableView*>(QString::fromUtf8(grid));
        return view ? view->model()->index(row, column).data().toString() : QString();
    }
    static QStringList Headings(QWidget* window, const char* grid) {
        QStringList headings;
        const QAbstractItemModel* model = window->findChild<QTableView*>(QString::fromUtf8(grid))->model();
        for (int c = 0; c < model->columnCount(); ++c) {
            headings << model->headerData(c, Qt::Horizontal).toString();
        }
        return headings;
    }
};

TEST_F(GewinnchancenTest, ShowsTheOddsOfEachKenoType) {
    SaveDraws(DrawFile(), MadeUpHistory(3));
    Start();
    EXPECT_EQ(m_app->Windows().Find(QStringLiteral("FGewinnchancen")), nullptr); // created on first use
    TFGewinnchancen* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Gewinnchancen"));

    window->ShowKenoType(10);
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("CBTyp"))->currentText(), QStringLiteral("10"));
    EXPECT_EQ(Headings(window, "GTreffer"), (QStringList{"Treffer", "Wahrscheinlichkeit", "Chance", "Gewinn je Euro"}));
    // The top prize first.
    EXPECT_EQ(Cell(window, "GTreffer", 0, 0), QStringLiteral("10"));
    EXPECT_EQ(Cell(window, "GTreffer", 0, 1), QStringLiteral("0,0000466 %"));
    EXPECT_EQ(Cell(window, "GTreffer", 0, 2), QStringLiteral("1 zu 2.147.181"));
    EXPECT_EQ(Cell(window, "GTreffer", 0, 3), QStringLiteral("250.000,00 €"));
    EXPECT_EQ(Cell(window, "GTreffer", 10, 0), QStringLiteral("0"));
    EXPECT_EQ(Cell(window, "GTreffer", 10, 3), QStringLiteral("3,00 €"));
    EXPECT_EQ(Cell(window, "GTreffer", 9, 3), QStringLiteral("--"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LZusammenfassung"))->text(),
              QStringLiteral("Chance auf irgendeinen Gewinn: 1 zu 7,38 (13,54 %).\nVon jedem Euro Einsatz fließen im "
                             "Mittel 0,53 € zurück, 0,47 € sind verloren."));

    // Every type at a glance: 2 to 10.
    EXPECT_EQ(Cell(window, "GTypen", 0, 0), QStringLiteral("2"));
    EXPECT_EQ(Cell(window, "GTypen", 0, 1), QStringLiteral("1 zu 12,71"));
    EXPECT_EQ(Cell(window, "GTypen", 0, 2), QStringLiteral("0,51 €"));
    EXPECT_EQ(Cell(window, "GTypen", 8, 0), QStringLiteral("10"));
}

TEST_F(GewinnchancenTest, ShowsWhatTheOpenSlipsCostPerMonth) {
    SaveDraws(DrawFile(), MadeUpHistory(3));
    Start();
    TFGewinnchancen* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QTableView*>(QStringLiteral("GScheine"))->model()->rowCount(), 0);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LMonat"))->text(),
              QStringLiteral("Es ist kein Spielschein geöffnet. Öffnen Sie einen im Hauptfenster."));

    // Keno 2 at 5 euros: 6.5 x 190 / 2415 of the stake comes back on average.
    m_main->OpenSlipInMainWindow(WriteSlip("a.kts", Slip({{1, {1, 2}}}, 4)));
    window->RefreshSlips();
    EXPECT_EQ(Headings(window, "GScheine"),
              (QStringList{"Spielschein", "Einsatz je Ziehung", "Erwartete Auszahlung je Ziehung", "Einsatz im Monat",
                           "Erwarteter Verlust im Monat"}));
    EXPECT_EQ(Cell(window, "GScheine", 0, 0), QStringLiteral("a")); // the name of its tab
    EXPECT_EQ(Cell(window, "GScheine", 0, 1), QStringLiteral("5,00 €"));
    EXPECT_EQ(Cell(window, "GScheine", 0, 2), QStringLiteral("2,56 €"));
    EXPECT_EQ(Cell(window, "GScheine", 0, 3), QStringLiteral("150,00 €"));
    EXPECT_EQ(Cell(window, "GScheine", 0, 4), QStringLiteral("73,29 €"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("LMonat"))->text(),
              QStringLiteral("Die Scheine in der Reihenfolge der Reiter im Hauptfenster. Ein Monat sind 30 "
                             "Ziehungen, an jedem Tag eine gespielt."));
}

} // namespace
} // namespace qv::test
