#pragma once

#include <QLabel>

#include <functional>

namespace qv {

// A label that acts like a button, by mouse and by keyboard (Space, Return, Enter): the link panels,
// the warning line and the mail address.
class ClickableLabel : public QLabel {
public:
    ClickableLabel(const QString& caption, std::function<void()> onClick, QWidget* parent);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_onClick;
};

} // namespace qv
