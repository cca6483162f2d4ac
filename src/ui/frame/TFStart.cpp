#include "ui/frame/TFStart.h"

#include "ui/frame/CommandIcons.h"
#include "ui/frame/Titles.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace qv {

TFStart::TFStart(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_weiter(new QPushButton(QStringLiteral("Weiter"), this)) {
    setObjectName(QStringLiteral("FStart"));
    setWindowTitle(ProductTitle());
    setFixedSize(kClientWidth, kClientHeight);

    m_weiter->setObjectName(QStringLiteral("BWeiter"));
    m_weiter->setDefault(true);
    m_weiter->resize(m_weiter->sizeHint().expandedTo(QSize(100, 32)));
    m_weiter->move(kClientWidth - m_weiter->width() - 16, kClientHeight - m_weiter->height() - 16);
    connect(m_weiter, &QPushButton::clicked, this, &TFStart::ContinuePressed);

    SetInitialisationDone(false);
}

void TFStart::SetInitialisationDone(bool done) {
    m_done = done;
    m_weiter->setEnabled(done);
    m_weiter->setCursor(done ? Qt::PointingHandCursor : Qt::WaitCursor);
    setCursor(done ? Qt::ArrowCursor : Qt::WaitCursor);
}

void TFStart::CentreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

// Painted each time rather than held as a pixmap: the window shows only for a few seconds, and the
// picture would cost half a megabyte while it does.
void TFStart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintStartPicture(painter, size());
}

void TFStart::closeEvent(QCloseEvent* event) {
    if (m_mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace qv
