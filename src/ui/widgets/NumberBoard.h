#pragma once

#include "engine/core/NumberSet.h"

#include <QWidget>

#include <array>

class QPushButton;
class QToolButton;

namespace qv {

// The board of the numbers 1 to 70, ten to a row, under a heading "20 aus 70" with a button that
// clears every mark. It shows marks; what a click means is up to its window.
class NumberBoard : public QWidget {
    Q_OBJECT

public:
    explicit NumberBoard(QWidget* parent = nullptr);

    QPushButton* Button(int n) const { return m_buttons.at(static_cast<std::size_t>(n - 1)); }

    // Marked numbers are bold and larger, and described as "markiert".
    void ShowMarks(const NumberSet& marked);

signals:
    void NumberClicked(int n);
    void ClearClicked();

private:
    QToolButton* m_clear = nullptr;
    std::array<QPushButton*, 70> m_buttons{};
};

} // namespace qv
