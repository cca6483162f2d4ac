#include "ui/analysis/TFChart1.h"

#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QToolBar>
#include <QToolTip>

namespace qv {

TFChart1::TFChart1(AppContext& context, const ChartMaker& makeChart)
    : m_context(context)
    , m_chart(makeChart(this)) {
    setObjectName(QLatin1String(kFormName));
    CreateToolBar();
    CreateMenu();

    if (m_chart) {
        m_view = m_chart->Widget();
        m_chart->SetBarColour(QColor::fromRgb(kBarColour));
        m_chart->SetAxisTitles(QStringLiteral("Zahl"), QStringLiteral("Häufigkeit"));
        m_chart->OnBarHovered([this](int index) { BarHovered(index); });
        m_view->setAccessibleName(QStringLiteral("Häufigkeit der Zahlen 1 bis 70"));
    } else {
        // Without the chart module the window says so; the frequencies stay in the statistics window.
        auto* missing = new QLabel(QString::fromUtf8(kNoChartText), this);
        missing->setAlignment(Qt::AlignCenter);
        missing->setWordWrap(true);
        m_view = missing;
    }
    m_view->setObjectName(QStringLiteral("ChartView1"));
    setCentralWidget(m_view);

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
    m_values.assign(frequencies.begin(), frequencies.end());
    if (m_chart) {
        m_chart->SetValues(m_values);
    }
}

void TFChart1::BarHovered(int index) {
    if (index < 0 || index >= static_cast<int>(m_values.size())) {
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
