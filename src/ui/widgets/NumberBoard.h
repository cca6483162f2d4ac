#pragma once

#include "engine/core/NumberSet.h"

#include <QWidget>

#include <array>

class QPushButton;
class QToolButton;

namespace qv {

class NumberButton;

// The board of the numbers 1 to 70, ten to a row, under a heading "20 aus 70" with a button that
// clears every mark. It shows marks; what a click means is up to its window.
//
// The numbers are checkable buttons, checked while marked, but only ShowMarks changes a mark: a click,
// the Space or Enter key or a screen reader's toggle only ask the window. The 70 numbers are one stop
// of the Tab key; the arrow keys move among them, ten to a row.
class NumberBoard : public QWidget {
    Q_OBJECT

public:
    explicit NumberBoard(QWidget* parent = nullptr);

    QPushButton* Button(int n) const;

    // Marked numbers are bold, larger and checked.
    void ShowMarks(const NumberSet& marked);

signals:
    void NumberClicked(int n);
    void ClearClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes number n the board's stop of the Tab key.
    void MakeTabStop(int n);

    QToolButton* m_clear = nullptr;
    std::array<NumberButton*, 70> m_buttons{};
    int m_tabStop = 1;
};

} // namespace qv
