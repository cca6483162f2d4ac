#include "ui/widgets/NumberBoard.h"

#include "engine/core/GameTables.h"
#include "ui/frame/CommandIcons.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

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
    m_clear->setIcon(TileIcon(QColor(0xb0, 0x3a, 0x2e), QStringLiteral("×")));
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
        auto* button = new QPushButton(QString::number(n), board);
        button->setObjectName(QStringLiteral("lot%1").arg(n));
        button->setProperty("tag", n);
        button->setFixedSize(31, 27);
        button->setAccessibleName(QStringLiteral("Zahl %1").arg(n));
        m_buttons[static_cast<std::size_t>(n - 1)] = button;
        grid->addWidget(button, (n - 1) / 10, (n - 1) % 10);
        connect(button, &QPushButton::clicked, this, [this, n] { emit NumberClicked(n); });
    }
    layout->addWidget(board);
    ShowMarks({});
}

void NumberBoard::ShowMarks(const NumberSet& marked) {
    for (int n = 1; n <= kNumbersInGame; ++n) {
        QPushButton* button = Button(n);
        const bool isMarked = marked.Contains(n);
        QFont font = button->font();
        font.setBold(isMarked);
        font.setPointSize(isMarked ? 12 : 9);
        button->setFont(font);
        button->setAccessibleDescription(isMarked ? QStringLiteral("markiert") : QString());
    }
}

} // namespace qv
