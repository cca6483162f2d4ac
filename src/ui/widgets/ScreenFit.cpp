#include "ui/widgets/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include <algorithm>

namespace qv {

namespace {

// When its scroll area first shows, the window grows by what the content lacks of its least size, as
// far as the screen has room: the contents scroll only where the screen is too small for them.
class GrowToContent : public QObject {
public:
    explicit GrowToContent(QScrollArea* area)
        : QObject(area)
        , m_area(area) {
        area->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_area && event->type() == QEvent::Show && m_area->widget() != nullptr) {
            m_area->removeEventFilter(this);
            QWidget* window = m_area->window();
            QWidget* content = m_area->widget();
            const QSize view = m_area->viewport()->size();
            QSize least = content->minimumSizeHint();
            // Word-wrapped texts take the height they need at the width the content gets, as the scroll
            // area itself reckons.
            if (content->layout() != nullptr && content->layout()->hasHeightForWidth()) {
                least.setHeight(
                    std::max(least.height(), content->heightForWidth(std::max(least.width(), view.width()))));
            }
            const QSize missing(std::max(0, least.width() - view.width()), std::max(0, least.height() - view.height()));
            if (!missing.isNull() && !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
                window->resize(OpeningSize(*window, window->size() + missing));
            }
        }
        return false;
    }

private:
    QScrollArea* m_area;
};

} // namespace

QScrollArea* InScrollArea(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    new GrowToContent(area);
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
