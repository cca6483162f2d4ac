#include "ui/analysis/TFChart1.h"

#include "engine/core/GameTables.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QMenuBar>
#include <QStackedBarSeries>
#include <QToolBar>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace qv {

TFChart1::TFChart1(AppContext& context)
    : m_context(context) {
    setObjectName(QStringLiteral("FChart1"));
    CreateToolBar();
    CreateMenu();

    m_chart = new QChart;
    m_chart->setObjectName(QStringLiteral("Chart1"));
    m_chart->legend()->hide();
    m_chart->setTitle(QString());
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(6, 6, 6, 6));

    // A stacked pair of sets draws each bar from 1: an invisible base of height 1 under the bar
    // (from 0 to 1 under a bar of 0, which then reaches down from 1 to 0).
    m_series = new QStackedBarSeries;
    m_series->setObjectName(QStringLiteral("Series1"));
    m_series->setBarWidth(0.8);
    m_base = new QBarSet(QString());
    m_base->setColor(Qt::transparent);
    m_base->setBorderColor(Qt::transparent);
    m_bars = new QBarSet(QString());
    m_bars->setColor(QColor::fromRgb(kBarColour));
    m_bars->setBorderColor(QColor::fromRgb(kBarColour).darker(130));
    m_series->append(m_base);
    m_series->append(m_bars);
    m_chart->addSeries(m_series);

    auto* x = new QBarCategoryAxis;
    QStringList numbers;
    for (int n = 1; n <= kNumbersInGame; ++n) {
        numbers << QString::number(n);
    }
    x->append(numbers);
    auto* y = new QValueAxis;
    m_chart->addAxis(x, Qt::AlignBottom);
    m_chart->addAxis(y, Qt::AlignLeft);
    m_series->attachAxis(x);
    m_series->attachAxis(y);
    x->setVisible(false);
    y->setVisible(false);
    y->setRange(0, 1);

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("ChartView1"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(QStringLiteral("Häufigkeit der Zahlen 1 bis 70"));
    setCentralWidget(m_view);
    connect(m_series, &QStackedBarSeries::hovered, this,
            [this](bool status, int index, QBarSet*) { BarHovered(status, index); });

    m_context.commands.InstallHelpKey(this);
    setWindowTitle(WindowTitle(TitleSuffixes::StatistikChart));
    resize(760, 480);
}

void TFChart1::CreateToolBar() {
    m_toolBar = SharedCommands::AddToolBar(this);
    m_context.commands.AddToolButtons(
        m_toolBar, this,
        {{Command::Eingabe2, Command::Druck, Command::Tippcenter, Command::Statistik, Command::Analyse},
         {Command::Kalender, Command::NueberK, Command::Taschenrechner, Command::Optionen, Command::Update,
          Command::OnlineSpielen},
         {Command::HilfeBenutzen, Command::Beenden}});
}

void TFChart1::CreateMenu() {
    m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::OtherWindow);
}

void TFChart1::Fill(const NumberCounts& frequencies) {
    m_chart->setTitle(QString());
    m_base->remove(0, m_base->count());
    m_bars->remove(0, m_bars->count());
    m_values.assign(frequencies.begin(), frequencies.end());
    double highest = 1;
    for (const double value : m_values) {
        m_base->append(std::min(value, 1.0));
        m_bars->append(value >= 1 ? value - 1 : 1 - value);
        highest = std::max(highest, value);
    }
    if (auto* y = qobject_cast<QValueAxis*>(m_chart->axes(Qt::Vertical).value(0))) {
        y->setRange(0, highest * 1.05);
    }
}

void TFChart1::BarHovered(bool status, int index) {
    if (!status || index < 0 || index >= static_cast<int>(m_values.size())) {
        QToolTip::hideText();
        m_view->setToolTip(QString());
        return;
    }
    const QString text =
        QStringLiteral("Zahl %1: %2").arg(index + 1).arg(m_values[static_cast<std::size_t>(index)], 0, 'f', 0);
    m_view->setToolTip(text);
    QToolTip::showText(QCursor::pos(), text, m_view);
}

} // namespace qv
