#include "ui/evaluation/WelcomePanel.h"

#include "ui/frame/WindowAccessibility.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace qv {
namespace {

// The game's name on a green tile, the tile wide enough for the whole text.
QPixmap GameTile(const QFont& base, qreal devicePixelRatio) {
    const QString text = QStringLiteral("20/70");
    QFont font = base;
    font.setBold(true);
    font.setPixelSize(20);
    const int side = std::max(64, QFontMetrics(font).horizontalAdvance(text) + 16);
    QPixmap pixmap(QSize(side, 64) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.drawRoundedRect(QRectF(1, 1, side - 2, 62), 10, 10);
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, side, 64), Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

WelcomePanel::WelcomePanel(bool ownRowsAvailable, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("PInfo"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette welcome = palette();
    welcome.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xe6));
    setPalette(welcome);
    auto* info = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ImageInfo"));
    picture->setPixmap(GameTile(font(), devicePixelRatioF()));
    picture->setAccessibleName(QStringLiteral("20 aus 70"));
    auto* hallo = new QLabel(QStringLiteral("Hallo!"), this);
    QFont big = hallo->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    hallo->setFont(big);
    auto* angst = new QLabel(
        QStringLiteral("Keine Angst, das Bild verschwin-\ndet, sobald eine Datei mit Tipp-\nreihen geladen wird."),
        this);
    auto* eingeben =
        new QLabel(QStringLiteral("Geben Sie Ihre eigenen Tipprei-\nhen ein oder laden Sie einen Demo-Schein."), this);
    for (QLabel* label : {angst, eingeben}) {
        SetSpokenName(label, label->text());
    }
    auto* ownRows = new QPushButton(QStringLiteral("Eigene\neingeben"), this);
    ownRows->setObjectName(QStringLiteral("BEigene"));
    ownRows->setMinimumHeight(40);
    SetSpokenName(ownRows, ownRows->text());
    ownRows->setEnabled(ownRowsAvailable);
    auto* demo = new QPushButton(QStringLiteral("Demo-\nSchein"), this);
    demo->setObjectName(QStringLiteral("BDemo"));
    demo->setMinimumHeight(40);
    SetSpokenName(demo, demo->text());
    info->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    info->addWidget(hallo, 0, 1, 1, 2);
    info->addWidget(angst, 1, 1, 1, 2);
    info->addWidget(eingeben, 2, 1, 1, 2);
    info->addWidget(ownRows, 3, 1);
    info->addWidget(demo, 3, 2);
    info->setRowStretch(4, 1);
    info->setColumnStretch(1, 1);
    info->setColumnStretch(2, 1);

    connect(ownRows, &QPushButton::clicked, this, &WelcomePanel::OwnRowsClicked);
    connect(demo, &QPushButton::clicked, this, &WelcomePanel::DemoClicked);
}

} // namespace qv
