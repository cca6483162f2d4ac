#include "ui/tips/GameChoiceLists.h"

#include "engine/core/GameTables.h"
#include "engine/tips/TipGeneration.h"

#include <QComboBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv {

QComboBox* MakeKenoTypeList(QWidget* parent, int game) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("ComboTyp%1").arg(game));
    list->setProperty("tag", game);
    list->addItem(QStringLiteral("--"));
    for (int type = kMinKenoType; type <= kMaxKenoType; ++type) {
        list->addItem(QString::number(type));
    }
    list->setMaxVisibleItems(10);
    list->setCurrentIndex(0);
    return list;
}

QComboBox* MakeMethodList(QWidget* parent, int game) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("ComboWie%1").arg(game));
    for (const std::string_view text : TipMethodTexts) {
        list->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    list->setMaxVisibleItems(5);
    list->setCurrentIndex(0);
    return list;
}

std::uint8_t PresetEntry(const QComboBox& list) {
    const int entry = list.currentIndex();
    return entry < 0 || entry >= GeneratorPresets::kNoEntry ? GeneratorPresets::kNoEntry
                                                            : static_cast<std::uint8_t>(entry);
}

QIcon LockIcon(bool locked) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor body = locked ? QColor(0xb7, 0x1c, 0x1c) : QColor(0x2e, 0x7d, 0x32);
    // The shackle: closed into the body, or swung open to the right.
    QPen shackle(QColor(0x45, 0x5a, 0x64), 3.5);
    painter.setPen(shackle);
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc;
    const qreal left = locked ? 9 : 15;
    arc.moveTo(left, locked ? 15 : 11);
    arc.lineTo(left, 10);
    arc.arcTo(QRectF(left, 3, 14, 14), 180, -180);
    arc.lineTo(left + 14, 15);
    painter.drawPath(arc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(5, 14, 22, 16), 3, 3);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16, 21), 2.5, 2.5);
    painter.drawRect(QRectF(15, 22, 2, 5));
    painter.end();
    return QIcon(picture);
}

} // namespace qv
