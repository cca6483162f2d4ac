#include "support/MainWindowFixture.h"

#include "engine/core/ProgramState.h"
#include "ui/analysis/TFChart1.h"
#include "ui/analysis/TFStatistik1.h"
#include "ui/frame/WindowRegistry.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QToolButton>

#include <numeric>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

TGewZahlen DrawOf(TDate date, int from) {
    TGewZahlen draw;
    draw.datum = date;
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(from));
    return draw;
}

class StatisticsWindowTest : public MainWindowFixture {
protected:
    // Two draws: 1..20 on 01.08.2024 and 11..30 the day after.
    void StartWithTwoDraws() { StartWith({DrawOf(45505, 1), DrawOf(45506, 11)}); }
    void StartWith(const std::vector<TGewZahlen>& draws) {
        SaveDraws(DrawFile(), draws);
        Start();
        Continue();
        Click(QStringLiteral("BStatistik"));
        m_stats = qobject_cast<TFStatistik1*>(m_app->Windows().Find(QStringLiteral("FStatistik1")));
        ASSERT_NE(m_stats, nullptr);
    }
    template <typename T = QLabel>
    T* Stat(const QString& name) const {
        return Find<T>(m_stats, name);
    }
    QLabel* Value(int n) const { return Stat(QStringLiteral("PNummerWert%1").arg(n)); }
    QString SlotText(int slot) const { return Stat(QStringLiteral("PNummer%1").arg(slot))->text(); }
    QPoint SlotPlace(int slot) const { return Stat(QStringLiteral("PNummer%1").arg(slot))->pos() + QPoint(0, 18); }
    QColor Background(int n) const { return Value(n)->palette().color(QPalette::Window); }
    QColor TextColour(int n) const { return Value(n)->palette().color(QPalette::WindowText); }
    void Order(int index) const {
        QTest::mouseClick(Stat<QRadioButton>(QStringLiteral("RG1_%1").arg(index)), Qt::LeftButton);
    }
    void Evaluate() const { QTest::mouseClick(Stat<QPushButton>(QStringLiteral("BSort")), Qt::LeftButton); }
    QComboBox* List(const char* name) const { return Stat<QComboBox>(QString::fromUtf8(name)); }
    TFChart1* Chart() const { return qobject_cast<TFChart1*>(m_app->Windows().Find(QStringLiteral("FChart1"))); }
    // The chart drawn in the chart window (made by the chart module).
    QChart* ChartOf(TFChart1* window) const {
        auto* view = window->findChild<QChartView*>(QStringLiteral("ChartView1"));
        EXPECT_NE(view, nullptr) << NumberChartLoadError().toStdString();
        return view ? view->chart() : nullptr;
    }

    TFStatistik1* m_stats = nullptr;
};

TEST_F(StatisticsWindowTest, CreationOnlyCountsAndColours) {
    StartWithTwoDraws();
    EXPECT_EQ(m_stats->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Gewinnreihen-Statistik"));
    EXPECT_EQ(Stat<QPushButton>("BSort")->text(), QStringLiteral("Auswertung\nstarten"));
    EXPECT_EQ(Stat<QPushButton>("BCharts")->text(), QStringLiteral("Charts\nanzeigen"));
    EXPECT_EQ(Stat<QRadioButton>("RG1_2")->text(), QStringLiteral("...meist ausgeblieben "));
    EXPECT_TRUE(Stat<QRadioButton>("RG1_0")->isChecked());
    EXPECT_EQ(List("Co1")->currentText(), QStringLiteral("01.08.2024"));
    EXPECT_EQ(List("Co2")->currentText(), QStringLiteral("02.08.2024"));
    EXPECT_EQ(List("Co1")->maxVisibleItems(), 16);

    // N = 2: P = 0,6; thresholds 3, 2, 1, 0, 0, 0.
    EXPECT_EQ(Stat("Panel1")->text(), QStringLiteral("P = 0,6"));
    EXPECT_EQ(Stat("Label1")->text(), QString()) << "the run at creation leaves the period text empty";
    EXPECT_EQ(Value(15)->text(), QStringLiteral("2"));
    EXPECT_EQ(Background(15), QColor(0x61, 0x61, 0xB6)) << "drawn twice: class 2";
    EXPECT_EQ(TextColour(15), QColor(Qt::white));
    EXPECT_EQ(Background(5), QColor(0xCA, 0xCA, 0xE6)) << "drawn once: class 3";
    EXPECT_EQ(TextColour(5), QColor(Qt::black));
    EXPECT_EQ(Background(70), QColor(0x9B, 0xFF, 0x9B)) << "never drawn: class 4, since T4 = 0";
    const QStringList legends = {"irrelevant", "irrelevant", "irrelevant", "0 - 0", "1 - 1", "2 - 3", "> 3"};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(Stat(QStringLiteral("PAbw%1").arg(i))->text(), legends[i - 1]) << i;
    }
    EXPECT_EQ(Stat("PAbw1")->palette().color(QPalette::Window), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(Stat("PAbw7")->palette().color(QPalette::Window), QColor(0x00, 0x40, 0x80));
    EXPECT_EQ(Value(1)->pos(), SlotPlace(1));
    EXPECT_EQ(Value(11)->pos(), SlotPlace(11));
    EXPECT_EQ(Value(11)->pos() - Value(1)->pos(), QPoint(0, 2 * 18 + 2)) << "row pairs 2 pixels apart";
    EXPECT_EQ(Value(2)->pos() - Value(1)->pos(), QPoint(37, 0)) << "slots 1 pixel apart";

    // The first click shows what the creation skipped.
    Evaluate();
    EXPECT_EQ(Stat("Label1")->text(), QStringLiteral("Der Auswertungszeitraum umfasst 2 Ausspielungen"));
    EXPECT_EQ(Stat("PTop1")->text(), QStringLiteral("Häufigkeit für Zahlen 1 - 70"));
}

TEST_F(StatisticsWindowTest, FrequencyOrderKeepsIncreasingNumbersOnTies) {
    StartWithTwoDraws();
    Order(1);
    Evaluate();
    EXPECT_EQ(Stat("PTop1")->text(), QStringLiteral("Häufigkeit absteigend"));
    // 11..20 twice, then 1..10 and 21..30 once, then the rest.
    const std::vector<int> expected = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21};
    for (std::size_t s = 0; s < expected.size(); ++s) {
        const int slot = static_cast<int>(s) + 1;
        EXPECT_EQ(SlotText(slot), QString::number(expected[s])) << slot;
        EXPECT_EQ(Value(expected[s])->pos(), SlotPlace(slot)) << slot;
    }
    EXPECT_EQ(SlotText(70), QStringLiteral("70"));
    EXPECT_EQ(Background(11), QColor(0x61, 0x61, 0xB6));
    EXPECT_TRUE(Stat<QGroupBox>("Gr3")->isVisibleTo(m_stats));
}

TEST_F(StatisticsWindowTest, AbsenceOrderPutsNeverDrawnFirstOnPlainPanelsAndBackRestoresColours) {
    StartWithTwoDraws();
    Order(2);
    Evaluate();
    EXPECT_EQ(Stat("PTop1")->text(), QStringLiteral("Ausgeblieben absteigend"));
    EXPECT_EQ(SlotText(1), QStringLiteral("31"));
    EXPECT_EQ(Value(31)->text(), QStringLiteral("2")) << "missing from the whole period: N";
    EXPECT_EQ(SlotText(41), QStringLiteral("1"));
    EXPECT_EQ(Value(1)->text(), QStringLiteral("1"));
    EXPECT_EQ(Value(11)->text(), QStringLiteral("0")) << "in the newest draw";
    EXPECT_EQ(SlotText(51), QStringLiteral("11"));
    EXPECT_EQ(Background(31), QApplication::palette().color(QPalette::Button));
    EXPECT_FALSE(Stat<QGroupBox>("Gr3")->isVisibleTo(m_stats));
    EXPECT_FALSE(Stat("Panel1")->isVisibleTo(m_stats));
    EXPECT_EQ(State().PeriodStart, 0);
    EXPECT_EQ(State().PeriodSets.size(), 2u);

    Order(0);
    Evaluate();
    EXPECT_EQ(Background(31), QColor(0x9B, 0xFF, 0x9B));
    EXPECT_EQ(Value(31)->text(), QStringLiteral("0"));
    EXPECT_EQ(Value(31)->pos(), SlotPlace(31));
    EXPECT_TRUE(Stat<QGroupBox>("Gr3")->isVisibleTo(m_stats));
}

TEST_F(StatisticsWindowTest, RefusesShortReversedAndTypedPeriodsAndChangesNothing) {
    StartWith({DrawOf(45505, 1), DrawOf(45506, 11), DrawOf(45507, 21)});
    const QString error = QString::fromUtf8(PeriodErrorText);
    struct Case {
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"03.08.2024", "03.08.2024"}, // one draw
        {"03.08.2024", "01.08.2024"}, // reversed
        {"01.08.2024", "32.08.2024"}, // typed, no such entry
        {"gestern", "03.08.2024"},
    };
    for (const Case& c : cases) {
        m_fakes.messages.boxes.clear();
        List("Co1")->setEditText(QString::fromUtf8(c.from));
        List("Co2")->setEditText(QString::fromUtf8(c.to));
        Evaluate();
        EXPECT_EQ(Boxes(Kind::Error), QStringList{error}) << c.from << " " << c.to;
        EXPECT_EQ(Value(21)->text(), QStringLiteral("2")) << "the counts of the creation stay";
        EXPECT_EQ(Stat("Label1")->text(), QString());
    }
    // A typed date that names a draw counts as chosen.
    m_fakes.messages.boxes.clear();
    List("Co1")->setEditText(QStringLiteral("02.08.2024"));
    List("Co2")->setEditText(QStringLiteral("03.08.2024"));
    Evaluate();
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_EQ(Value(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(Value(21)->text(), QStringLiteral("2"));
    EXPECT_EQ(Value(11)->text(), QStringLiteral("1"));
}

TEST_F(StatisticsWindowTest, AHistoryOfOneDrawIsRefusedAtEveryClick) {
    StartWith({DrawOf(45505, 1)});
    EXPECT_EQ(Value(1)->text(), QStringLiteral("0"));
    Evaluate();
    Evaluate();
    EXPECT_EQ(Boxes(Kind::Error), QStringList(2, QString::fromUtf8(PeriodErrorText)));
}

TEST_F(StatisticsWindowTest, ChartShowsSeventyBarsFromTheLastCountAndRefillsWithoutDoubling) {
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < 1000; ++i) {
        draws.push_back(DrawOf(45505 + i, 1 + (i * 7) % 50));
    }
    StartWith(draws);
    EXPECT_EQ(Chart(), nullptr) << "made on the first click";

    Click(QStringLiteral("BStatistik"));
    QTest::mouseClick(Stat<QPushButton>("BCharts"), Qt::LeftButton);
    ASSERT_NE(Chart(), nullptr);
    EXPECT_EQ(Chart()->windowTitle(), QStringLiteral("Quovadra 1.4.3.0 - Statistik-Chart"));
    EXPECT_TRUE(Chart()->isVisible());
    const std::vector<double> values = Chart()->Values();
    ASSERT_EQ(values.size(), 70u);
    EXPECT_EQ(std::accumulate(values.begin(), values.end(), 0.0), 20000.0);
    EXPECT_EQ(values[69], 0.0) << "70 is never drawn here";
    QChart* drawn = ChartOf(Chart());
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->title(), QString());
    EXPECT_FALSE(drawn->legend()->isVisible());

    // The bars rise from 1: an invisible base up to 1 and the bar from there (from 1 down to 0 for 0).
    auto* series = Chart()->findChild<QStackedBarSeries*>(QStringLiteral("Series1"));
    if (series == nullptr) {
        series = qobject_cast<QStackedBarSeries*>(drawn->series().value(0));
    }
    ASSERT_NE(series, nullptr);
    const QList<QBarSet*> sets = series->barSets();
    ASSERT_EQ(sets.size(), 2);
    EXPECT_EQ(sets[1]->color(), QColor(0x75, 0xFF, 0x94));
    EXPECT_EQ(sets[0]->at(69) + sets[1]->at(69), 1.0);
    EXPECT_EQ(sets[0]->at(0), 1.0);
    EXPECT_EQ(sets[0]->at(0) + sets[1]->at(0), values[0]);

    // Hovering a bar names its number and its frequency.
    emit series->hovered(true, 4, sets[1]);
    EXPECT_EQ(Chart()->findChild<QWidget*>(QStringLiteral("ChartView1"))->toolTip(),
              QStringLiteral("Zahl 5: %1").arg(values[4]));

    QTest::mouseClick(Stat<QPushButton>("BCharts"), Qt::LeftButton);
    EXPECT_EQ(sets[0]->count(), 70);
    EXPECT_EQ(sets[1]->count(), 70);
    EXPECT_EQ(Chart()->Values(), values);

    // An evaluation in absence order leaves the frequencies as they were.
    List("Co1")->setCurrentIndex(998);
    Order(2);
    Evaluate();
    EXPECT_EQ(std::vector<double>(m_stats->Frequencies().begin(), m_stats->Frequencies().end()), values);
}

// The chart library is a module loaded with the first chart; an installation without it must not
// take the program down.
TEST_F(StatisticsWindowTest, WithoutTheChartModuleTheChartWindowSaysSoAndStillTakesTheFrequencies) {
    StartWithTwoDraws();
    TFChart1 chart(m_app->Context(), [](QWidget*) { return std::unique_ptr<NumberChart>(); });
    auto* text = chart.findChild<QLabel*>(QStringLiteral("ChartView1"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("Das Chart kann nicht gezeigt werden: Ein Teil der Installation fehlt."));
    NumberCounts counts{};
    counts[4] = 3;
    chart.Fill(counts);
    chart.show();
    EXPECT_EQ(chart.Values().size(), 70U);
    EXPECT_EQ(chart.Values()[4], 3.0);
}

TEST_F(StatisticsWindowTest, ASavedDrawBecomesTheEndOfThePeriod) {
    StartWithTwoDraws();
    m_main->show();
    Click(QStringLiteral("BNeu"));
    for (int n = 51; n <= 70; ++n) {
        ClickNumber(n);
    }
    Click(QStringLiteral("BSave1"));
    ASSERT_TRUE(Boxes(Kind::Error).isEmpty());
    EXPECT_EQ(List("Co2")->count(), 3);
    EXPECT_EQ(List("Co2")->currentText(), QStringLiteral("03.08.2024"));
    EXPECT_EQ(List("Co1")->count(), 2) << "only the end list follows";
    Evaluate();
    EXPECT_EQ(Stat("Label1")->text(), QStringLiteral("Der Auswertungszeitraum umfasst 3 Ausspielungen"));
    EXPECT_EQ(Value(70)->text(), QStringLiteral("1"));
}

TEST_F(StatisticsWindowTest, ADrawNotYetSavedJoinsTheListOnlyWhenSaved) {
    SaveDraws(DrawFile(), std::vector<TGewZahlen>{DrawOf(45505, 1), DrawOf(45506, 11)});
    Start();
    Click(QStringLiteral("BNeu"));
    Click(QStringLiteral("BStatistik"));
    m_stats = qobject_cast<TFStatistik1*>(m_app->Windows().Find(QStringLiteral("FStatistik1")));
    ASSERT_NE(m_stats, nullptr);
    EXPECT_EQ(List("Co2")->count(), 2);
    for (int n = 51; n <= 70; ++n) {
        ClickNumber(n);
    }
    Click(QStringLiteral("BSave1"));
    EXPECT_EQ(List("Co2")->count(), 3);
    EXPECT_EQ(List("Co2")->itemText(2), QStringLiteral("03.08.2024"));
}

TEST_F(StatisticsWindowTest, LabelsNameTheirListsAndTabFollowsTheLayout) {
    StartWithTwoDraws();
    QStringList buddies;
    for (QLabel* label : m_stats->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            buddies << label->text() + QLatin1Char('>') + label->buddy()->objectName();
        }
    }
    buddies.sort();
    EXPECT_EQ(buddies, QStringList({"&bis>Co2", "&von>Co1"}));
    EXPECT_EQ(List("Co1")->accessibleName(), QStringLiteral("von"));
    EXPECT_EQ(Stat<QPushButton>("BSort")->accessibleName(), QStringLiteral("Auswertung starten"));
    EXPECT_EQ(Stat<QPushButton>("BCharts")->accessibleName(), QStringLiteral("Charts anzeigen"));
    QStringList order;
    QWidget* widget = List("Co1");
    for (int i = 0; i < 6; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty()) {
            widget = widget->nextInFocusChain();
        }
    }
    EXPECT_EQ(order, QStringList({"Co1", "Co2", "RG1_0", "RG1_1", "RG1_2", "BSort"}));
}

TEST_F(StatisticsWindowTest, MenuAndToolBarOfTheWindow) {
    StartWithTwoDraws();
    const auto item = [this](const char* name) { return m_stats->findChild<QAction*>(QString::fromUtf8(name)); };
    ASSERT_NE(item("MStatistik"), nullptr);
    EXPECT_FALSE(item("MStatistik")->isEnabled());
    EXPECT_FALSE(item("MOeffnen")->isEnabled());
    EXPECT_EQ(item("MGewinnzahlen")->text(), QStringLiteral("&Manuelle Quotenaktualisierung"));
    EXPECT_FALSE(item("MGewinnzahlen")->isEnabled());
    QTest::mouseClick(Stat<QToolButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(m_fakes.help.topics, QList<int>{1012});
    QTest::mouseClick(Stat<QToolButton>("BitBtn7"), Qt::LeftButton);
    EXPECT_FALSE(m_stats->isVisible());
    EXPECT_TRUE(m_main->isVisible()) << "only this window closes";
    Click(QStringLiteral("BStatistik"));
    EXPECT_EQ(m_app->Windows().Find(QStringLiteral("FStatistik1")), m_stats) << "the same window comes back";
    EXPECT_TRUE(m_stats->isVisible());
}

} // namespace
} // namespace qv::test
