#pragma once

#include <QObject>

#include <optional>

#include <vector>

class QAbstractButton;

namespace qv {

// Makes the number buttons of a board one stop of the Tab key. The arrow keys move among them, perRow
// to a row, and stop at the edges; Home and End go to the first and the last number; Enter and Return
// click as Space does. Tab comes back to the number last in focus.
class NumberKeys : public QObject {
public:
    NumberKeys(std::vector<QAbstractButton*> buttons, int perRow, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The place of button among the board's numbers, or -1.
    int IndexOf(const QObject* button) const;
    void MakeTabStop(int index);
    // Where key moves the focus from index; index itself at an edge, nothing for any other key.
    std::optional<int> Target(int index, int key) const;

    std::vector<QAbstractButton*> m_buttons;
    int m_perRow;
    int m_tabStop = 0;
};

} // namespace qv
