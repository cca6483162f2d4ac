#include "ui/widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

namespace qv {

QScrollArea* InScrollArea(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(content->objectName() + QStringLiteral("Rollbereich"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

QSize OpeningSize(const QWidget& window, QSize wanted) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? wanted.boundedTo(screen->availableSize()) : wanted;
}

} // namespace qv
