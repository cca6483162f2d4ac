#include "ui/analysis/TFDetail1.h"

#include "engine/core/GameTables.h"
#include "ui/analysis/PatternModels.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/GridExport.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace qv {

TFDetail1::TFDetail1(AppContext& context)
    : m_model(new PatternModel(context.state, this))
    // Cells of 16 pixels: the date, 70 numbers and the repeat count fit a screen 1280 pixels wide.
    , m_grid(new PatternGrid(m_model, 16, 16, this)) {
    setObjectName(QLatin1String(kFormName));
    setWindowFlag(Qt::Window);
    setWindowTitle(ProductTitle());

    m_grid->setObjectName(QStringLiteral("g1"));
    m_grid->JoinNumberCells(m_model->InvalidRows(), kNumbersInGame);
    m_grid->setAccessibleName(QStringLiteral("Wiederholer-Muster"));
    InstallGridExport(*m_grid, context.ports, QStringLiteral("Wiederholer-Muster.csv"));
    m_grid->setColumnWidth(PatternModel::kRepeatColumn,
                           std::max(30, m_grid->fontMetrics().horizontalAdvance(QStringLiteral("Wdh")) + 10));

    auto* picture = Button(QStringLiteral("bsSkinSpeedButton1"), QStringLiteral("Abbild der Muster"), this);
    auto* redraw = Button(QStringLiteral("bsSkinSpeedButton3"), QStringLiteral("Muster neu zeichnen"), this);
    auto* close = CloseButton(this, QStringLiteral("bsSkinSpeedButton2"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(picture);
    controls->addWidget(redraw);
    controls->addLayout(CloseRow(close), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(InvalidDrawsLabel(m_model->InvalidRows(), this));
    layout->addLayout(controls);

    connect(picture, &QPushButton::clicked, this, [this] { emit PictureRequested(m_grid); });
    connect(redraw, &QPushButton::clicked, m_grid->viewport(), qOverload<>(&QWidget::update));
    setTabOrder(m_grid, picture);
    setTabOrder(picture, redraw);
    setTabOrder(redraw, close);

    context.commands.InstallHelpKey(this);
    // As wide as the grid, as far as the screen allows.
    const int wanted = GridWidth(*m_grid) + 2 * layout->contentsMargins().left() + 4;
    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(screen ? std::min(wanted, screen->availableGeometry().width()) : wanted, 640);
}

} // namespace qv
