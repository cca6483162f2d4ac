#include "ui/tips/TFRueckblick.h"

#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "text/AppLocale.h"
#include "text/BacktestTexts.h"
#include "text/DateText.h"
#include "text/OddsTexts.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/tips/BalanceChart.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/FigureTables.h"
#include "ui/widgets/ScreenFit.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace qv {
namespace {

// The methods' names stand left of their figures.
constexpr Qt::Alignment kMethodColumn = Qt::AlignLeft | Qt::AlignVCenter;

// Before the first run each grid shows the methods with empty figures.
std::vector<QStringList> EmptyRows(int columns) {
    std::vector<QStringList> rows;
    for (int m = 0; m < kTipMethodCount; ++m) {
        QStringList row{MethodText(TipMethod(m))};
        for (int c = 1; c < columns; ++c) {
            row << QString();
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TFRueckblick::TFRueckblick(AppContext& context)
    : m_context(context) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(ProductTitle() + QStringLiteral(" - Methoden im Rückblick"));

    auto* intro = new QLabel(QStringLiteral("Was hätten die Methoden des Tipp-Centers gebracht? Vor jeder Ziehung der "
                                            "Ziehungsdatei wird mit jeder Methode eine Tippreihe aus den Ziehungen "
                                            "davor gebildet und in der nächsten Ziehung (oder den nächsten) gespielt."),
                             this);
    intro->setObjectName(QStringLiteral("LEinleitung"));
    intro->setWordWrap(true);
    m_scope = new QLabel(QStringLiteral("Noch nicht berechnet."), this);
    m_scope->setObjectName(QStringLiteral("LUmfang"));
    m_scope->setWordWrap(true);
    m_expectation = new QLabel(ExpectedReturnText(6, AppLocale()), this);
    m_expectation->setObjectName(QStringLiteral("LErwartung"));
    m_expectation->setWordWrap(true);
    auto* chance = new QLabel(ChanceNoteText(), this);
    chance->setObjectName(QStringLiteral("LZufall"));
    chance->setWordWrap(true);
    QPushButton* close = CloseButton(this, QStringLiteral("BSchliessen"));

    // Everything above the close button scrolls where the screen is too small for it.
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("Inhalt"));
    auto* content = new QVBoxLayout(body);
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(intro);
    content->addWidget(CreateSettings());
    content->addWidget(m_scope);
    content->addWidget(CreateTotalsBox());
    content->addWidget(CreateHitBox());
    content->addWidget(CreateChartBox(), 1);
    content->addWidget(m_expectation);
    content->addWidget(chance);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InScrollArea(body, this), 1);
    layout->addLayout(CloseRow(close));

    setTabOrder(m_kenoType, m_window);
    setTabOrder(m_window, m_drawsPlayed);
    setTabOrder(m_drawsPlayed, m_stake);
    setTabOrder(m_stake, m_seed);
    setTabOrder(m_seed, m_calculate);
    setTabOrder(m_calculate, m_totalsGrid);
    setTabOrder(m_totalsGrid, m_hitGrid);
    setTabOrder(m_hitGrid, close);

    connect(m_calculate, &QPushButton::clicked, this, &TFRueckblick::Calculate);
    connect(m_kenoType, &QComboBox::currentIndexChanged, this,
            [this] { m_expectation->setText(ExpectedReturnText(m_kenoType->currentData().toInt(), AppLocale())); });

    FitGrids();
    m_context.commands.InstallHelpKey(this);
    resize(sizeHint().expandedTo(QSize(900, 700)));
}

QWidget* TFRueckblick::CreateSettings() {
    auto* settings = new QGroupBox(QStringLiteral("Einstellungen"), this);
    settings->setObjectName(QStringLiteral("GBEinstellungen"));
    const auto label = [settings](const QString& text, const QString& name, QWidget* buddy) {
        auto* caption = new QLabel(text, settings);
        caption->setObjectName(name);
        caption->setBuddy(buddy);
        return caption;
    };
    m_kenoType = new QComboBox(settings);
    m_kenoType->setObjectName(QStringLiteral("CBTyp"));
    for (int type = kMinKenoType; type <= kMaxKenoType; ++type) {
        m_kenoType->addItem(QString::number(type), type);
    }
    m_kenoType->setCurrentIndex(m_kenoType->findData(6));
    m_window = new QSpinBox(settings);
    m_window->setObjectName(QStringLiteral("SEZeitraum"));
    m_window->setRange(1, 99999);
    m_window->setValue(100);
    m_window->setSuffix(QStringLiteral(" Ziehungen"));
    m_drawsPlayed = new QComboBox(settings);
    m_drawsPlayed->setObjectName(QStringLiteral("CBGespielt"));
    for (int draws : DrawCounts) {
        m_drawsPlayed->addItem(QString::number(draws), draws);
    }
    m_stake = new QComboBox(settings);
    m_stake->setObjectName(QStringLiteral("CBEinsatz"));
    for (int euros : StakeEuros) {
        m_stake->addItem(EuroText(euros, AppLocale()), euros);
    }
    m_seed = new QSpinBox(settings);
    m_seed->setObjectName(QStringLiteral("SEStartwert"));
    m_seed->setRange(0, INT_MAX);
    m_seed->setValue(1);
    m_calculate = Button(QStringLiteral("BBerechnen"), QStringLiteral("&Berechnen"), settings);
    m_calculate->setDefault(true);

    auto* grid = new QGridLayout(settings);
    grid->addWidget(label(QStringLiteral("&KENO-Typ:"), QStringLiteral("LTyp"), m_kenoType), 0, 0);
    grid->addWidget(m_kenoType, 0, 1);
    grid->addWidget(label(QStringLiteral("Gebildet &aus den letzten:"), QStringLiteral("LZeitraum"), m_window), 0, 2);
    grid->addWidget(m_window, 0, 3);
    grid->addWidget(label(QStringLiteral("Gespielt in &Ziehungen:"), QStringLiteral("LGespielt"), m_drawsPlayed), 0, 4);
    grid->addWidget(m_drawsPlayed, 0, 5);
    grid->addWidget(label(QStringLiteral("&Einsatz je Ziehung:"), QStringLiteral("LEinsatz"), m_stake), 1, 0);
    grid->addWidget(m_stake, 1, 1);
    grid->addWidget(label(QStringLiteral("Start&wert des Zufalls:"), QStringLiteral("LStartwert"), m_seed), 1, 2);
    grid->addWidget(m_seed, 1, 3);
    grid->addWidget(m_calculate, 1, 5);
    grid->setColumnStretch(6, 1);
    return settings;
}

QWidget* TFRueckblick::CreateTotalsBox() {
    auto* totalsBox = new QGroupBox(QStringLiteral("Einsatz und Gewinn je Methode"), this);
    totalsBox->setObjectName(QStringLiteral("GBBilanz"));
    m_totalsGrid = NewFigureGrid(this, m_context.ports, QStringLiteral("GBilanz"),
                                 QStringLiteral("Einsatz und Gewinn je Methode"), m_totalsModel);
    m_totalsGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totalsGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillFigureModel(*m_totalsModel, BacktestHeadings(), EmptyRows(static_cast<int>(BacktestHeadings().size())),
                    kMethodColumn);
    auto* totalsLayout = new QVBoxLayout(totalsBox);
    totalsLayout->addWidget(m_totalsGrid);
    return totalsBox;
}

QWidget* TFRueckblick::CreateHitBox() {
    auto* hitBox = new QGroupBox(QStringLiteral("Wie oft wie viele Treffer"), this);
    hitBox->setObjectName(QStringLiteral("GBTreffer"));
    m_hitGrid = NewFigureGrid(this, m_context.ports, QStringLiteral("GTreffer"),
                              QStringLiteral("Wie oft wie viele Treffer"), m_hitModel);
    m_hitGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hitGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FillFigureModel(*m_hitModel, BacktestHitHeadings(6), EmptyRows(static_cast<int>(BacktestHitHeadings(6).size())),
                    kMethodColumn);
    auto* hitLayout = new QVBoxLayout(hitBox);
    hitLayout->addWidget(m_hitGrid);
    return hitBox;
}

QWidget* TFRueckblick::CreateChartBox() {
    auto* chartBox = new QGroupBox(QStringLiteral("Verlauf der Bilanz"), this);
    chartBox->setObjectName(QStringLiteral("GBVerlauf"));
    m_chart = new BalanceChart(chartBox);
    auto* chartLayout = new QVBoxLayout(chartBox);
    chartLayout->addWidget(m_chart);
    return chartBox;
}

void TFRueckblick::FitGrids() {
    for (QTableView* grid : {m_totalsGrid, m_hitGrid}) {
        FitHeightToRows(*grid);
        // Every column as wide as its figures and heading; the grid no wider than its columns.
        const int width = FitColumnsToText(*grid);
        grid->setMinimumWidth(width);
        grid->setMaximumWidth(width);
    }
}

void TFRueckblick::showEvent(QShowEvent* event) {
    // The row heights are known once the style has polished the grids.
    QWidget::showEvent(event);
    FitGrids();
}

BacktestRequest TFRueckblick::Request() const {
    BacktestRequest request;
    request.kenoType = m_kenoType->currentData().toInt();
    request.window = m_window->value();
    request.drawsPlayed = m_drawsPlayed->currentData().toInt();
    request.stakeEuros = m_stake->currentData().toInt();
    request.seed = static_cast<std::uint64_t>(m_seed->value());
    return request;
}

void TFRueckblick::Calculate() {
    const BacktestRequest request = Request();
    const std::vector<TGewZahlen> draws = CompleteDraws(m_context.state.DrawList);
    const std::string refusal = BacktestRefusal(request, static_cast<int>(draws.size()));
    if (!refusal.empty()) {
        m_context.ports.messages.Error(QString::fromStdString(refusal) +
                                       QStringLiteral("\r\rIch breche erst einmal ab."));
        return;
    }
    RandomSource& random = m_context.ports.random;
    const SeededPicks seeded = [&random](std::uint64_t seed) -> PickBelow {
        random.Seed(seed);
        return [&random](int n) { return random.Below(n); };
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_result = RunBacktest(draws, request, seeded);
    QApplication::restoreOverrideCursor();
    ShowResult(draws);
    const int invalid = static_cast<int>(m_context.state.DrawList.size() - draws.size());
    if (invalid > 0) {
        m_scope->setText(m_scope->text() + QLatin1Char('\n') + QString::fromStdString(InvalidDrawsNote(invalid)));
    }
}

void TFRueckblick::ShowResult(const std::vector<TGewZahlen>& draws) {
    const QLocale locale = AppLocale();
    m_scope->setText(BacktestScopeText(m_result, draws, locale));
    FillFigureModel(*m_totalsModel, BacktestHeadings(), BacktestRows(m_result, locale), kMethodColumn);
    FillFigureModel(*m_hitModel, BacktestHitHeadings(m_result.request.kenoType), BacktestHitRows(m_result, locale),
                    kMethodColumn);
    FitGrids();
    std::vector<BalanceChart::Series> series;
    QStringList summary;
    for (const MethodBacktest& method : m_result.methods) {
        series.push_back({MethodText(method.method), method.balances});
        summary << QStringLiteral("%1: %2").arg(MethodText(method.method), EuroText(method.Balance(), locale, true));
    }
    const int rows = m_result.methods.front().rows;
    const int lastStart = m_result.firstStart + rows - 1;
    m_chart->SetSeries(std::move(series),
                       FormatDate(draws[static_cast<std::size_t>(m_result.firstStart)].datum, locale),
                       FormatDate(draws[static_cast<std::size_t>(lastStart)].datum, locale));
    m_chart->setAccessibleDescription(QStringLiteral("Bilanz am Ende: ") + summary.join(QStringLiteral("; ")));
}

} // namespace qv
