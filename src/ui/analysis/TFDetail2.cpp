#include "ui/analysis/TFDetail2.h"

#include "engine/core/GameTables.h"
#include "ui/analysis/PatternModels.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GridExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qv {

TFDetail2::TFDetail2(AppContext& context)
    : m_model(new RepeaterModel(context.state, this))
    , m_grid(new PatternGrid(m_model, 20, 18, this))
    , m_finalDigit(new QComboBox(this))
    , m_markDigit(new QCheckBox(QStringLiteral("Endzahl markieren"), this)) {
    setObjectName(QLatin1String(kFormName));
    setWindowFlag(Qt::Window);
    setWindowTitle(ProductTitle());

    m_grid->setObjectName(QStringLiteral("g1"));
    m_grid->JoinNumberCells(m_model->InvalidRows(), kNumbersPerDraw);
    m_grid->setAccessibleName(QStringLiteral("Gewinnzahlen"));
    InstallGridExport(*m_grid, context.ports, QStringLiteral("Gewinnzahlen.csv"));
    m_finalDigit->setObjectName(QStringLiteral("comboEndz"));
    for (int digit = 0; digit <= 9; ++digit) {
        m_finalDigit->addItem(QString::number(digit));
    }
    m_finalDigit->setCurrentIndex(0);
    m_finalDigit->setAccessibleName(QStringLiteral("Endziffer"));
    m_markDigit->setObjectName(QStringLiteral("cbEnd"));
    auto* digitLabel = new QLabel(QStringLiteral("End&ziffer"), this);
    digitLabel->setBuddy(m_finalDigit);

    auto* pattern = TwoLineButton(QStringLiteral("bsSkinSpeedButton1"), QStringLiteral("Wiederholer-\nMarkierung..."),
                                  this, QStringLiteral("Wiederholer-Markierung..."));
    auto* close = CloseButton(this, QStringLiteral("bsSkinSpeedButton2"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(digitLabel);
    controls->addWidget(m_finalDigit);
    controls->addWidget(m_markDigit);
    controls->addStretch(1);
    controls->addWidget(pattern);
    controls->addLayout(CloseRow(close), 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(InvalidDrawsLabel(m_model->InvalidRows(), this));
    layout->addLayout(controls);

    connect(m_finalDigit, &QComboBox::currentIndexChanged, this, &TFDetail2::MarkingChanged);
    connect(m_markDigit, &QCheckBox::toggled, this, &TFDetail2::MarkingChanged);
    connect(pattern, &QPushButton::clicked, this, &TFDetail2::PatternViewRequested);
    setTabOrder(m_grid, m_finalDigit);
    setTabOrder(m_finalDigit, m_markDigit);
    setTabOrder(m_markDigit, pattern);
    setTabOrder(pattern, close);

    context.commands.InstallHelpKey(this);
    resize(std::max(GridWidth(*m_grid) + 2 * layout->contentsMargins().left() + 4, sizeHint().width()), 600);
}

void TFDetail2::MarkingChanged() {
    m_model->SetMarking(m_markDigit->isChecked(), m_finalDigit->currentIndex());
}

} // namespace qv
