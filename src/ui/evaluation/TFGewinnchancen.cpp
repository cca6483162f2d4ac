#include "ui/evaluation/TFGewinnchancen.h"

#include "engine/core/GameTables.h"
#include "engine/evaluation/Odds.h"
#include "text/AppLocale.h"
#include "text/OddsTexts.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/FigureTables.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {
namespace {

// A grid as wide as its columns, headings included.
void FitWidth(QTableView& grid) {
    grid.setMinimumWidth(FitColumnsToText(grid));
}

} // namespace

TFGewinnchancen::TFGewinnchancen(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(ProductTitle() + QStringLiteral(" - Gewinnchancen"));

    auto* intro = new QLabel(QStringLiteral("Die Zahlen folgen allein aus den Regeln des Spiels (20 aus 70) "
                                            "und der Gewinnquote, nicht aus vergangenen Ziehungen."),
                             this);
    intro->setObjectName(QStringLiteral("LEinleitung"));
    intro->setWordWrap(true);

    // Per Keno type: one row per hit count.
    auto* typeBox = new QGroupBox(QStringLiteral("Treffer und Quoten eines Keno-Typs"), this);
    typeBox->setObjectName(QStringLiteral("GBTyp"));
    auto* typeLabel = new QLabel(QStringLiteral("&Keno-Typ:"), typeBox);
    typeLabel->setObjectName(QStringLiteral("LTyp"));
    m_kenoType = new QComboBox(typeBox);
    m_kenoType->setObjectName(QStringLiteral("CBTyp"));
    for (int type = kMinKenoType; type <= kMaxKenoType; ++type) {
        m_kenoType->addItem(QString::number(type), type);
    }
    typeLabel->setBuddy(m_kenoType);
    m_hitGrid = NewFigureGrid(this, m_context.ports, QStringLiteral("GTreffer"), QStringLiteral("Treffer und Quoten"),
                              m_hitModel);
    m_typeSummary = new QLabel(typeBox);
    m_typeSummary->setObjectName(QStringLiteral("LZusammenfassung"));
    m_typeSummary->setWordWrap(true);
    auto* pick = new QHBoxLayout;
    pick->addWidget(typeLabel);
    pick->addWidget(m_kenoType);
    pick->addStretch(1);
    auto* typeLayout = new QVBoxLayout(typeBox);
    typeLayout->addLayout(pick);
    typeLayout->addWidget(m_hitGrid);
    typeLayout->addWidget(m_typeSummary);
    typeLayout->addStretch(1);

    // All types side by side.
    auto* allBox = new QGroupBox(QStringLiteral("Alle Keno-Typen"), this);
    allBox->setObjectName(QStringLiteral("GBAlle"));
    m_typeGrid =
        NewFigureGrid(this, m_context.ports, QStringLiteral("GTypen"), QStringLiteral("Alle Keno-Typen"), m_typeModel);
    FillFigureModel(*m_typeModel, TypeOddsHeadings(), TypeOddsRows(AppLocale()), Qt::AlignCenter);
    auto* allLayout = new QVBoxLayout(allBox);
    allLayout->addWidget(m_typeGrid);
    allLayout->addStretch(1);

    // The open slips of the main window.
    auto* slipBox = new QGroupBox(QStringLiteral("Ihre geöffneten Spielscheine"), this);
    slipBox->setObjectName(QStringLiteral("GBScheine"));
    m_slipGrid = NewFigureGrid(this, m_context.ports, QStringLiteral("GScheine"),
                               QStringLiteral("Geöffnete Spielscheine"), m_slipModel);
    m_slipNote = new QLabel(slipBox);
    m_slipNote->setObjectName(QStringLiteral("LMonat"));
    m_slipNote->setWordWrap(true);
    auto* slipLayout = new QVBoxLayout(slipBox);
    slipLayout->addWidget(m_slipGrid);
    slipLayout->addWidget(m_slipNote);

    auto* close = CloseButton(this, QStringLiteral("BSchliessen"));

    auto* upper = new QHBoxLayout;
    upper->addWidget(typeBox, 3);
    upper->addWidget(allBox, 2);
    QHBoxLayout* buttons = CloseRow(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(upper);
    layout->addWidget(slipBox, 1);
    layout->addLayout(buttons);

    connect(m_kenoType, &QComboBox::currentIndexChanged, this,
            [this](int index) { ShowKenoType(m_kenoType->itemData(index).toInt()); });
    m_kenoType->setCurrentIndex(m_kenoType->findData(6));
    ShowKenoType(6);
    RefreshSlips();
    FitHeightToRows(*m_typeGrid);
    FitWidth(*m_typeGrid);

    m_context.commands.InstallHelpKey(this);
    resize(sizeHint().expandedTo(QSize(860, 640)));
}

void TFGewinnchancen::ShowKenoType(int kenoType) {
    const int index = m_kenoType->findData(kenoType);
    if (index < 0) {
        return;
    }
    if (m_kenoType->currentIndex() != index) {
        m_kenoType->setCurrentIndex(index); // shows the type through the signal
        return;
    }
    const QLocale locale = AppLocale();
    const KenoTypeOdds odds = OddsOf(kenoType);
    FillFigureModel(*m_hitModel, HitOddsHeadings(), HitOddsRows(odds, locale), Qt::AlignCenter);
    FitHeightToRows(*m_hitGrid);
    FitWidth(*m_hitGrid);
    m_typeSummary->setText(KenoTypeSummaryText(odds, locale));
}

void TFGewinnchancen::RefreshSlips() {
    const QLocale locale = AppLocale();
    std::vector<QStringList> rows;
    const auto& slips = m_context.state.SlipList;
    // Each slip by the name of its tab in the main window.
    const QStringList names = m_slipNames ? m_slipNames() : QStringList();
    for (std::size_t s = 0; s < slips.size(); ++s) {
        const int index = static_cast<int>(s);
        const QString name = index < names.size() ? names.at(index) : QStringLiteral("Schein %1").arg(s + 1);
        rows.push_back(SlipOddsRow(name, ExpectationOf(slips[s]), locale));
    }
    FillFigureModel(*m_slipModel, SlipOddsHeadings(), rows, Qt::AlignCenter);
    FitColumnsToText(*m_slipGrid);
    m_slipNote->setText(slips.empty()
                            ? QStringLiteral("Es ist kein Spielschein geöffnet. Öffnen Sie einen im Hauptfenster.")
                            : QStringLiteral("Die Scheine in der Reihenfolge der Reiter im Hauptfenster. Ein Monat "
                                             "sind %1 Ziehungen, an jedem Tag eine gespielt.")
                                  .arg(kDrawsPerMonth));
}

void TFGewinnchancen::SetSlipNames(std::function<QStringList()> names) {
    m_slipNames = std::move(names);
    RefreshSlips();
}

void TFGewinnchancen::showEvent(QShowEvent* event) {
    RefreshSlips();
    QWidget::showEvent(event);
}

void TFGewinnchancen::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        RefreshSlips();
    }
    QWidget::changeEvent(event);
}

} // namespace qv
