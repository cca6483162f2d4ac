#include "ui/evaluation/TFrFrame1.h"

#include "engine/core/ProgramState.h"
#include "engine/evaluation/Evaluation.h"
#include "text/ResultGrids.h"
#include "ui/widgets/GridRoutines.h"
#include "ui/widgets/StringGrid.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace qv {
namespace {

constexpr int kSlipRowHeight = 17;

// Draws the cells of G1 right of the stake column: white, texts centred 2 pixels below the top, the
// Keno type bold, and the numbers of the evaluated draw light green.
class SlipCellPainter : public QStyledItemDelegate {
public:
    SlipCellPainter(const ProgramState& state, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_state(state) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (index.row() == 0 || index.column() == 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QString text = index.data().toString().trimmed();
        QColor background = Qt::white;
        if (index.column() >= 2 && !text.isEmpty() &&
            IsHitMarked(m_state.SlipGridHitMarks, m_state.PeriodSets, text.toInt())) {
            background = QColor::fromRgb(TFrFrame1::kHitColour);
        }
        painter->save();
        painter->fillRect(option.rect, background);
        QFont font = option.font;
        font.setBold(index.column() == 1);
        painter->setFont(font);
        painter->setPen(Qt::black);
        painter->setClipRect(option.rect);
        const int left =
            option.rect.left() + (option.rect.width() - painter->fontMetrics().horizontalAdvance(text)) / 2;
        painter->drawText(QPoint(left, option.rect.top() + 2 + painter->fontMetrics().ascent()), text);
        painter->restore();
    }

private:
    const ProgramState& m_state;
};

} // namespace

TFrFrame1::TFrFrame1(const ProgramState& state, QWidget* parent)
    : QWidget(parent)
    , m_grid(new StringGrid(this, 1)) {
    m_grid->setObjectName(QStringLiteral("G1"));
    // The column widths are those of the paper slips' grids; a compact font keeps every text whole.
    QFont compact = m_grid->font();
    compact.setPointSize(8);
    m_grid->setFont(compact);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->setWordWrap(false);
    m_grid->setItemDelegate(new SlipCellPainter(state, m_grid));
    m_grid->verticalHeader()->setDefaultSectionSize(kSlipRowHeight);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::TabFocus);
    // Eight fields and the heading row stay in view without scrolling.
    m_grid->setMinimumHeight(9 * kSlipRowHeight + 2 * m_grid->frameWidth() + 4);
    m_grid->setAccessibleName(QStringLiteral("Tippfelder des Spielscheins"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    SetSlipGridHeadings();
}

void TFrFrame1::SetSlipGridHeadings() {
    m_grid->setColumnCount(kSlipColumns);
    m_grid->setRowCount(6);
    const QStringList& headings = SlipGridHeadings();
    for (int c = 0; c < kSlipColumns; ++c) {
        m_grid->SetColumnWidth(c, kSlipColumnWidths[c]);
        // "Einsatz" and "Keno-Typ" stand as they are; the positions are centred.
        m_grid->SetCell(c, 0, c < 2 ? headings[c] : CenterPad80(headings[c], kSlipColumnWidths[c], *m_grid));
    }
}

void TFrFrame1::FillSlipGrid(const TSchein& slip) {
    const std::vector<SlipGridRow> rows = SlipGridRows(slip);
    m_grid->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SlipGridRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < kSlipColumns; ++c) {
            const QString& text = row.cells[static_cast<std::size_t>(c)];
            m_grid->SetCell(c, r + 1, c < 2 ? CenterPad80(text, kSlipColumnWidths[c], *m_grid) : text);
        }
    }
}

} // namespace qv
