#pragma once

#include <QGroupBox>
#include <QLabel>

#include <array>
#include <functional>

namespace qv {

// One number cell of a slip field: the number centred on its colour, the hand pointer while the mouse
// is over it; a left click runs the field's toggle.
class EntryNumberCell : public QLabel {
    Q_OBJECT

public:
    EntryNumberCell(int code, int number, QWidget* parent);

    int Code() const { return m_code; }
    void SetColour(QRgb colour);
    QRgb Colour() const { return m_colour; }

signals:
    void Clicked(int code);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_code;
    QRgb m_colour = 0;
};

// A field box "Spiel f" of a slip tab with its 70 number cells in seven columns of ten. The box takes
// the keyboard focus as a whole: the arrow keys move between the numbers, the space bar marks or
// unmarks the current one, Tab leaves the field.
class EntryField : public QGroupBox {
    Q_OBJECT

public:
    // Size of the box and of one number cell, in pixels.
    static constexpr int kWidth = 152;
    static constexpr int kHeight = 210;
    static constexpr int kCellWidth = 20;
    static constexpr int kCellHeight = 18;

    // toggle runs for a cell's code, by click or by key.
    EntryField(int slip, int field, std::function<void(int code)> toggle, QWidget* parent);

    EntryNumberCell* Cell(int number) const { return m_cells.at(static_cast<std::size_t>(number - 1)); }
    int CurrentNumber() const { return m_current; }
    // Tells the screen reader the state of the current number after a change.
    void Announce();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveTo(int number);
    void ShowCurrent();

    int m_slip;
    int m_field;
    std::function<void(int)> m_toggle;
    std::array<EntryNumberCell*, 70> m_cells{};
    int m_current = 1;
};

} // namespace qv
