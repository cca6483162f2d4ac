#include "ui/widgets/NumberBoard.h"

#include "engine/core/GameTables.h"
#include "ui/frame/CommandIcons.h"
#include "ui/widgets/NumberKeys.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

namespace {

constexpr int kNumbersPerRow = 10;

} // namespace

// A number of the board: checked while the window shows it marked. A click leaves the state alone
// (the window decides through ShowMarks), and a checked number looks like any other: its mark shows in
// its font.
class NumberButton : public QPushButton {
public:
    NumberButton(int n, QWidget* parent)
        : QPushButton(QString::number(n), parent) {
        setCheckable(true);
    }

    void SetMarked(bool marked) {
        const QSignalBlocker quiet(this);
        setChecked(marked);
    }

protected:
    void nextCheckState() override {}

    void paintEvent(QPaintEvent* /*event*/) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.state &= ~QStyle::State_On;
        painter.drawControl(QStyle::CE_PushButton, option);
    }
};

NumberBoard::NumberBoard(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* header = new QFrame(this);
    header->setObjectName(QStringLiteral("P50h"));
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    header->setAutoFillBackground(true);
    header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(2, 1, 2, 1);
    auto* caption = new QLabel(QStringLiteral("  20 aus 70"), header);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    m_clear = new QToolButton(header);
    m_clear->setObjectName(QStringLiteral("Image1"));
    m_clear->setIcon(PictureIcon(Picture::Clear));
    m_clear->setAutoRaise(true);
    m_clear->setToolTip(QStringLiteral("Alle Markierungen löschen"));
    m_clear->setAccessibleName(QStringLiteral("Alle Markierungen löschen"));
    headerLayout->addWidget(caption, 1);
    headerLayout->addWidget(m_clear);
    layout->addWidget(header);
    connect(m_clear, &QToolButton::clicked, this, &NumberBoard::ClearClicked);

    auto* board = new QWidget(this);
    board->setObjectName(QStringLiteral("Board"));
    auto* grid = new QGridLayout(board);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    for (int n = 1; n <= kNumbersInGame; ++n) {
        auto* button = new NumberButton(n, board);
        button->setObjectName(QStringLiteral("lot%1").arg(n));
        button->setProperty("tag", n);
        button->setFixedSize(31, 27);
        button->setAccessibleName(QStringLiteral("Zahl %1").arg(n));
        m_buttons[static_cast<std::size_t>(n - 1)] = button;
        grid->addWidget(button, (n - 1) / kNumbersPerRow, (n - 1) % kNumbersPerRow);
        connect(button, &QPushButton::clicked, this, [this, n] { emit NumberClicked(n); });
        // Only a screen reader's toggle changes the state from outside: it asks like a click.
        connect(button, &QPushButton::toggled, this, [this, button, n](bool checked) {
            button->SetMarked(!checked);
            emit NumberClicked(n);
        });
    }
    layout->addWidget(board);
    new NumberKeys(std::vector<QAbstractButton*>(m_buttons.begin(), m_buttons.end()), kNumbersPerRow, this);
    ShowMarks({});
}

QPushButton* NumberBoard::Button(int n) const {
    return m_buttons.at(static_cast<std::size_t>(n - 1));
}

void NumberBoard::ShowMarks(const NumberSet& marked) {
    for (int n = 1; n <= kNumbersInGame; ++n) {
        NumberButton* button = m_buttons.at(static_cast<std::size_t>(n - 1));
        const bool isMarked = marked.Contains(n);
        QFont font = button->font();
        font.setBold(isMarked);
        font.setPointSize(isMarked ? 12 : 9);
        button->setFont(font);
        button->SetMarked(isMarked);
    }
}

} // namespace qv
