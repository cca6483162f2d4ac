#include "support/MainWindowFixture.h"

#include "engine/tips/Backtest.h"
#include "text/AppLocale.h"
#include "text/BacktestTexts.h"
#include "ui/tips/BalanceChart.h"
#include "ui/tips/TFRueckblick.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>

namespace qv::test {
namespace {

class RueckblickTest : public MainWindowFixture {
protected:
    // Opens the window through the main window's menu.
    TFRueckblick* Open(int draws) {
        SaveDraws(DrawFile(), MadeUpHistory(draws));
        Start();
        EXPECT_EQ(m_app->Windows().Find(QStringLiteral("FRueckblick")), nullptr); // created on first use
        auto* item = Main<QAction>(QStringLiteral("MRueckblick"));
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        m_window = qobject_cast<TFRueckblick*>(m_app->Windows().Find(QStringLiteral("FRueckblick")));
        EXPECT_NE(m_window, nullptr);
        return m_window;
    }
    template <typename T = QWidget>
    T* In(const char* name) const {
        return Find<T>(m_window, QString::fromUtf8(name));
    }
    std::vector<QStringList> Rows(const char* grid) const {
        const QAbstractItemModel* model = In<QTableView>(grid)->model();
        std::vector<QStringList> rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < model->columnCount(); ++c) {
                row << model->index(r, c).data().toString();
            }
            rows.push_back(row);
        }
        return rows;
    }
    QStringList Headings(const char* grid) const {
        const QAbstractItemModel* model = In<QTableView>(grid)->model();
        QStringList headings;
        for (int c = 0; c < model->columnCount(); ++c) {
            headings << model->headerData(c, Qt::Horizontal).toString();
        }
        return headings;
    }
    void Choose(const char* list, int value) const {
        auto* combo = In<QComboBox>(list);
        combo->setCurrentIndex(combo->findData(value));
    }

    TFRueckblick* m_window = nullptr;
};

TEST_F(RueckblickTest, ShowsEveryMethodsTotalsAsTheEngineComputesThem) {
    ASSERT_NE(Open(40), nullptr);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Methoden im Rückblick"));
    EXPECT_EQ(In<QLabel>("LUmfang")->text(), QStringLiteral("Noch nicht berechnet."));

    Choose("CBTyp", 4);
    In<QSpinBox>("SEZeitraum")->setValue(10);
    Choose("CBGespielt", 2);
    Choose("CBEinsatz", 2);
    In<QSpinBox>("SEStartwert")->setValue(7);
    QTest::mouseClick(In<QPushButton>("BBerechnen"), Qt::LeftButton);
    EXPECT_TRUE(Boxes(FakeMessages::Kind::Error).isEmpty());

    // Rows from draws 0-9 on, the last played in draws 38 and 39: 29 rows of 2 draws at 2 euros.
    const BacktestRequest request{4, 10, 2, 2, 7};
    EXPECT_EQ(m_window->Request().seed, request.seed);
    const BacktestResult expected = RunBacktest(MadeUpHistory(40), request, MersennePicks());
    EXPECT_EQ(Headings("GBilanz"),
              (QStringList{"Tippreihen gebildet", "Tippreihen", "Einsatz", "Gewinn", "Bilanz", "Rückfluss"}));
    const std::vector<QStringList> rows = Rows("GBilanz");
    EXPECT_EQ(rows, BacktestRows(expected, AppLocale()));
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0][0], QStringLiteral("nur aus Restanten"));
    EXPECT_EQ(rows[3][0], QStringLiteral("per Zufall"));
    EXPECT_EQ(rows[3][1], QStringLiteral("29"));
    EXPECT_EQ(rows[3][2], QStringLiteral("116,00 €"));
    EXPECT_EQ(Headings("GTreffer"),
              (QStringList{"Tippreihen gebildet", "0 Treffer", "1 Treffer", "2 Treffer", "3 Treffer", "4 Treffer"}));
    EXPECT_EQ(Rows("GTreffer"), BacktestHitRows(expected, AppLocale()));
    EXPECT_EQ(In<QLabel>("LUmfang")->text(),
              QStringLiteral("29 Tippreihen je Methode, jede aus den 10 Ziehungen davor gebildet und in 2 Ziehungen "
                             "gespielt, vom 11.08.2024 bis zum 09.09.2024."));
    // Type 4 pays back (190 * 1225 * 1 + 1140 * 50 * 2 + 4845 * 30) / (70 over 4) = 53.67 %.
    EXPECT_EQ(In<QLabel>("LErwartung")->text(),
              QStringLiteral("Nach der Gewinnquote fließen beim KENO-Typ 4 von jedem Euro Einsatz auf lange Sicht "
                             "53,7 % zurück."));
    EXPECT_TRUE(In<QLabel>("LZufall")->text().startsWith(QStringLiteral("Alle vier Methoden sind Zufall")));

    // The chart draws one line per method, with the balances the table ends on.
    const auto& series = In<BalanceChart>("ChBilanz")->AllSeries();
    ASSERT_EQ(series.size(), 4U);
    for (std::size_t m = 0; m < 4; ++m) {
        EXPECT_EQ(series[m].values, expected.methods[m].balances);
    }
    EXPECT_TRUE(In<BalanceChart>("ChBilanz")->accessibleDescription().contains(QStringLiteral("per Zufall: ")));

    // The same seed again, the same figures.
    QTest::mouseClick(In<QPushButton>("BBerechnen"), Qt::LeftButton);
    EXPECT_EQ(Rows("GBilanz"), rows);
}

TEST_F(RueckblickTest, AHistoryTooShortIsRefusedAndTheLastResultsStay) {
    ASSERT_NE(Open(12), nullptr);
    In<QSpinBox>("SEZeitraum")->setValue(10);
    QTest::mouseClick(In<QPushButton>("BBerechnen"), Qt::LeftButton);
    ASSERT_TRUE(Boxes(FakeMessages::Kind::Error).isEmpty());
    const std::vector<QStringList> before = Rows("GBilanz");
    ASSERT_EQ(before.size(), 4U);
    EXPECT_EQ(before[0][1], QStringLiteral("2"));

    Choose("CBGespielt", 4);
    QTest::mouseClick(In<QPushButton>("BBerechnen"), Qt::LeftButton);
    EXPECT_EQ(Boxes(FakeMessages::Kind::Error),
              QStringList{"Für Tippreihen aus 10 Ziehungen, gespielt in 4 Ziehungen, braucht der Rückblick mindestens "
                          "14 Ziehungen; vorhanden sind 12.\r\rIch breche erst einmal ab."});
    EXPECT_EQ(Rows("GBilanz"), before);
}

TEST_F(RueckblickTest, IsReachedFromTheTipCentreToo) {
    SaveDraws(DrawFile(), MadeUpHistory(3));
    Start();
    Main<QAction>(QStringLiteral("MTippcenter"))->trigger();
    QWidget* centre = m_app->Windows().Find(QStringLiteral("FTippcenter"));
    ASSERT_NE(centre, nullptr);
    auto* item = Find<QAction>(centre, QStringLiteral("MRueckblick"));
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    QWidget* window = m_app->Windows().Find(QStringLiteral("FRueckblick"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(RueckblickTest, LabelsNameTheirFieldsAndTabFollowsTheLayout) {
    ASSERT_NE(Open(3), nullptr);
    for (const auto& [label, field] :
         {std::pair{"LTyp", "CBTyp"}, std::pair{"LZeitraum", "SEZeitraum"}, std::pair{"LGespielt", "CBGespielt"},
          std::pair{"LEinsatz", "CBEinsatz"}, std::pair{"LStartwert", "SEStartwert"}}) {
        EXPECT_EQ(In<QLabel>(label)->buddy(), In(field)) << label;
    }
    const QStringList expected = {"SEZeitraum", "CBGespielt", "CBEinsatz", "SEStartwert",
                                  "BBerechnen", "GBilanz",    "GTreffer",  "BSchliessen"};
    QStringList order;
    QWidget* widget = In("CBTyp");
    for (int step = 0; step < 1000 && order.size() < expected.size(); ++step) {
        widget = widget->nextInFocusChain();
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(m_window) && !widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QStringLiteral("qt_"))) {
            order << widget->objectName();
        }
    }
    EXPECT_EQ(order, expected) << order.join(" ").toStdString();
    EXPECT_FALSE(In<QTableView>("GBilanz")->tabKeyNavigation());
    EXPECT_EQ(In<BalanceChart>("ChBilanz")->focusPolicy(), Qt::NoFocus);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(In<QTableView>("GBilanz"));
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->columnDescription(5), QStringLiteral("Rückfluss"));
}

} // namespace
} // namespace qv::test
