#include "ui/tips/EntryField.h"

#include "engine/tips/EntrySlip.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

namespace {

// The box's caption colour, #220D84, and its background, #D3CBFA.
constexpr QRgb kCaptionColour = 0xFF220D84;
constexpr QRgb kFieldColour = 0xFFD3CBFA;
// Cells begin below the caption; columns and rows are one pixel apart.
constexpr int kCellsLeft = 3;
constexpr int kCellsTop = 19;

} // namespace

EntryNumberCell::EntryNumberCell(int code, int number, QWidget* parent)
    : QLabel(QString::number(number), parent)
    , m_code(code) {
    setObjectName(QStringLiteral("LZahl%1").arg(code));
    setProperty("tag", code);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(EntryField::kCellWidth, EntryField::kCellHeight);
    QFont plain = font();
    plain.setBold(false);
    setFont(plain);
}

void EntryNumberCell::SetColour(QRgb colour) {
    m_colour = colour;
    QPalette cellPalette = palette();
    cellPalette.setColor(QPalette::Window, QColor::fromRgb(colour));
    cellPalette.setColor(QPalette::WindowText, Qt::black);
    setPalette(cellPalette);
}

void EntryNumberCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Clicked(m_code);
        return;
    }
    QLabel::mousePressEvent(event);
}

EntryField::EntryField(int slip, int field, std::function<void(int)> toggle, QWidget* parent)
    : QGroupBox(QStringLiteral("Spiel %1").arg(field), parent)
    , m_slip(slip)
    , m_field(field)
    , m_toggle(std::move(toggle)) {
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette boxPalette = palette();
    boxPalette.setColor(QPalette::Window, QColor::fromRgb(kFieldColour));
    boxPalette.setColor(QPalette::WindowText, QColor::fromRgb(kCaptionColour));
    setPalette(boxPalette);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setAccessibleName(title());
    setAccessibleDescription(QStringLiteral("Pfeiltasten wählen eine Zahl, die Leertaste kreuzt sie an"));

    for (int number = 1; number <= 70; ++number) {
        const int column = (number - 1) / 10;
        const int row = (number - 1) % 10;
        auto* cell = new EntryNumberCell(EntryCellCode(slip, field, number), number, this);
        cell->move(kCellsLeft + column * (kCellWidth + 1), kCellsTop + row * (kCellHeight + 1));
        m_cells[static_cast<std::size_t>(number - 1)] = cell;
        connect(cell, &EntryNumberCell::Clicked, this, [this](int code) { m_toggle(code); });
    }
}

void EntryField::MoveTo(int number) {
    if (number < 1 || number > 70 || number == m_current) {
        return;
    }
    Cell(m_current)->setFrameStyle(QFrame::NoFrame);
    m_current = number;
    ShowCurrent();
    Announce();
}

void EntryField::Announce() {
    const EntryNumberCell* cell = Cell(m_current);
    const bool marked = cell->Colour() != 0xFFFFD5D5;
    setAccessibleName(QStringLiteral("%1, Zahl %2 %3")
                          .arg(title())
                          .arg(m_current)
                          .arg(marked ? QStringLiteral("angekreuzt") : QStringLiteral("frei")));
    if (hasFocus()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

bool EntryField::event(QEvent* event) {
    // A group box takes the space bar for its check box, which this box has not.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QGroupBox::event(event);
}

void EntryField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        MoveTo(m_current - 1);
        break;
    case Qt::Key_Down:
        MoveTo(m_current + 1);
        break;
    case Qt::Key_Left:
        MoveTo(m_current - 10);
        break;
    case Qt::Key_Right:
        MoveTo(m_current + 10);
        break;
    case Qt::Key_Home:
        MoveTo(1);
        break;
    case Qt::Key_End:
        MoveTo(70);
        break;
    case Qt::Key_Space:
        m_toggle(EntryCellCode(m_slip, m_field, m_current));
        Announce();
        break;
    default:
        QGroupBox::keyPressEvent(event);
        return;
    }
    event->accept();
}

void EntryField::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    ShowCurrent();
    Announce();
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QGroupBox::focusOutEvent(event);
    ShowCurrent();
}

void EntryField::ShowCurrent() {
    // The current number is framed while the field has the focus, so the keyboard user sees where the
    // space bar acts.
    Cell(m_current)->setFrameStyle(hasFocus() ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

} // namespace qv
