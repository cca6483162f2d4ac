#include "ui/widgets/NumberKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>
#include <optional>

namespace qv {

NumberKeys::NumberKeys(std::vector<QAbstractButton*> buttons, int perRow, QObject* parent)
    : QObject(parent)
    , m_buttons(std::move(buttons))
    , m_perRow(perRow) {
    for (QAbstractButton* button : m_buttons) {
        button->setFocusPolicy(Qt::ClickFocus);
        button->installEventFilter(this);
    }
    if (!m_buttons.empty()) {
        MakeTabStop(0);
    }
}

int NumberKeys::IndexOf(const QObject* button) const {
    const auto found = std::find(m_buttons.begin(), m_buttons.end(), button);
    return found == m_buttons.end() ? -1 : static_cast<int>(found - m_buttons.begin());
}

void NumberKeys::MakeTabStop(int index) {
    m_buttons[static_cast<std::size_t>(m_tabStop)]->setFocusPolicy(Qt::ClickFocus);
    m_tabStop = index;
    m_buttons[static_cast<std::size_t>(index)]->setFocusPolicy(Qt::StrongFocus);
}

std::optional<int> NumberKeys::Target(int index, int key) const {
    const int last = static_cast<int>(m_buttons.size()) - 1;
    int target = index;
    switch (key) {
    case Qt::Key_Left:
        target = index - 1;
        break;
    case Qt::Key_Right:
        target = index + 1;
        break;
    case Qt::Key_Up:
        target = index - m_perRow;
        break;
    case Qt::Key_Down:
        target = index + m_perRow;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = last;
        break;
    default:
        return std::nullopt;
    }
    return target >= 0 && target <= last ? target : index;
}

bool NumberKeys::eventFilter(QObject* watched, QEvent* event) {
    const int index = IndexOf(watched);
    if (index < 0) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        if (index != m_tabStop) {
            MakeTabStop(index);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        m_buttons[static_cast<std::size_t>(index)]->click();
        return true;
    }
    const std::optional<int> target = Target(index, key->key());
    if (!target) {
        return false;
    }
    MakeTabStop(*target);
    m_buttons[static_cast<std::size_t>(*target)]->setFocus(Qt::OtherFocusReason);
    return true; // the arrows stay inside the board, also at its edges
}

} // namespace qv
