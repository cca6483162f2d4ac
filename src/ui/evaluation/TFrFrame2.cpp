#include "ui/evaluation/TFrFrame2.h"

#include "engine/evaluation/Payout.h"
#include "ui/evaluation/ResultGridModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace qv {
namespace {

// A stored colour value is 0x00BBGGRR.
QColor FromStoredColour(std::uint32_t stored) {
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                  static_cast<int>((stored >> 16) & 0xFF));
}

// Draws the cells of GA1: the date column as a heading column; the others white with centred text,
// a win of a prize class on the class colours in bold.
class ResultCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        painter->save();
        QFont font = option.font;
        QColor background = Qt::white;
        QColor foreground = Qt::black;
        if (index.column() == 0) {
            background = option.palette.color(QPalette::Button);
            foreground = option.palette.color(QPalette::ButtonText);
        } else if (index.column() == 4) {
            font.setBold(true);
            const int prizeClass = index.data(ResultGridModel::PrizeClassRole).toInt();
            if (prizeClass >= 1 && prizeClass <= kPrizeClasses) {
                background = FromStoredColour(PrizeClassColors[static_cast<std::size_t>(prizeClass)]);
                foreground = FromStoredColour(PrizeClassFontColors[static_cast<std::size_t>(prizeClass)]);
            }
        }
        painter->fillRect(option.rect, background);
        painter->setFont(font);
        painter->setPen(foreground);
        painter->setClipRect(option.rect);
        const QFontMetrics metrics(font);
        const int left = index.column() == 0
                             ? option.rect.left() + 2
                             : option.rect.left() + (option.rect.width() - metrics.horizontalAdvance(text)) / 2;
        painter->drawText(QPoint(left, option.rect.top() + 2 + metrics.ascent()), text);
        painter->restore();
    }
};

} // namespace

TFrFrame2::TFrFrame2(QWidget* parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
    , m_grid(new QTableView(this))
    , m_balance(new QLabel(this))
    , m_legend(new QWidget(this)) {
    m_title->setObjectName(QStringLiteral("PGA1"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFrameShape(QFrame::Panel);
    m_title->setFrameShadow(QFrame::Raised);
    m_title->setMinimumHeight(22);

    m_grid->setObjectName(QStringLiteral("GA1"));
    // The column widths are those of the paper slips' grids; a compact font keeps every text whole.
    QFont compact = m_grid->font();
    compact.setPointSize(8);
    m_grid->setFont(compact);
    m_grid->setTextElideMode(Qt::ElideNone);
    m_grid->setWordWrap(false);
    m_grid->setItemDelegate(new ResultCellPainter(m_grid));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    m_grid->horizontalHeader()->setFont(compact);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setTabKeyNavigation(false); // Tab leaves the grid, the arrows move inside it
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setAccessibleName(QStringLiteral("Auswertung"));

    m_balance->setObjectName(QStringLiteral("PBilanz"));
    m_balance->setFont(bold);
    m_balance->setFrameShape(QFrame::Panel);
    m_balance->setFrameShadow(QFrame::Sunken);
    m_balance->setContentsMargins(4, 2, 4, 2);
    m_balance->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_balance->hide();

    m_legend->setObjectName(QStringLiteral("PFarben"));
    FillLegend();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_title);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_balance);
    layout->addWidget(m_legend);
}

void TFrFrame2::ShowResult(const QString& title, std::vector<ResultGridRow> rows, const QString& balance) {
    m_title->setText(title);
    m_balance->setText(balance);
    m_balance->setVisible(!balance.isEmpty());
    auto* model = new ResultGridModel(std::move(rows), m_grid);
    const std::unique_ptr<QAbstractItemModel> previous(m_grid->model());
    m_grid->setModel(model);
    for (int c = 0; c < kResultColumns; ++c) {
        m_grid->setColumnWidth(c, kResultColumnWidths[static_cast<std::size_t>(c)]);
    }
}

void TFrFrame2::FillLegend() {
    auto* layout = new QHBoxLayout(m_legend);
    layout->setContentsMargins(4, 2, 0, 2);
    layout->setSpacing(0);
    layout->addWidget(new QLabel(QStringLiteral("Gewinnklassenfarben:"), m_legend));
    layout->addStretch(1);
    for (int c = 1; c <= kPrizeClasses; ++c) {
        auto* swatch = new QLabel(QString::number(c), m_legend);
        swatch->setObjectName(QStringLiteral("PKlasse%1").arg(c));
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(23, 18);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, FromStoredColour(PrizeClassColors[static_cast<std::size_t>(c)]));
        palette.setColor(QPalette::WindowText, FromStoredColour(PrizeClassFontColors[static_cast<std::size_t>(c)]));
        swatch->setPalette(palette);
        swatch->setAccessibleName(QStringLiteral("Gewinnklasse %1").arg(c));
        layout->addWidget(swatch);
    }
}

} // namespace qv
