#include "ui/widgets/ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

ClickableLabel::ClickableLabel(const QString& caption, std::function<void()> onClick, QWidget* parent)
    : QLabel(caption, parent)
    , m_onClick(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        m_onClick();
    }
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_onClick();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace qv
