#include "ui/tips/TFrameSchein.h"

#include "engine/core/GameTables.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace qv {

namespace {

// The frame's background, #FFE8E8.
constexpr QRgb kFrameColour = 0xFFFFE8E8;

template <std::size_t N>
QGroupBox* RadioGroup(const QString& name, const QString& caption, const std::array<int, N>& values,
                      QButtonGroup* group, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(0);
    for (std::size_t i = 0; i < N; ++i) {
        auto* item = new QRadioButton(QString::number(values[i]), box);
        item->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        group->addButton(item, static_cast<int>(i));
        grid->addWidget(item, static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    group->button(0)->setChecked(true);
    return box;
}

} // namespace

TFrameSchein::TFrameSchein(QWidget* parent)
    : QFrame(parent)
    , m_stakes(new QButtonGroup(this))
    , m_draws(new QButtonGroup(this)) {
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, QColor::fromRgb(kFrameColour));
    setPalette(framePalette);

    m_rgEinsatz =
        RadioGroup(QStringLiteral("RGEinsatz"), QStringLiteral("Einsatz pro Tipp in €"), StakeEuros, m_stakes, this);
    m_rgZiehungen =
        RadioGroup(QStringLiteral("RGZiehungen"), QStringLiteral("Anzahl der Ziehungen"), DrawCounts, m_draws, this);
    m_save = new QPushButton(QStringLiteral("Spielschein\nspeichern"), this);
    m_save->setObjectName(QStringLiteral("BSave"));
    m_save->setMinimumSize(110, 44);
    m_save->setAccessibleName(QStringLiteral("Spielschein speichern"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(m_rgEinsatz, 1);
    layout->addWidget(m_rgZiehungen, 1);
    layout->addWidget(m_save, 0, Qt::AlignVCenter);
}

int TFrameSchein::StakeIndex() const {
    return std::max(m_stakes->checkedId(), 0);
}

int TFrameSchein::DrawCountIndex() const {
    return std::max(m_draws->checkedId(), 0);
}

void TFrameSchein::SelectStake(int index) {
    QAbstractButton* item = m_stakes->button(index);
    (item ? item : m_stakes->button(0))->setChecked(true);
}

void TFrameSchein::SelectDrawCount(int index) {
    QAbstractButton* item = m_draws->button(index);
    (item ? item : m_draws->button(0))->setChecked(true);
}

} // namespace qv
