#include "ui/analysis/SearchGridModel.h"

#include "text/Amounts.h"
#include "text/AppLocale.h"

#include <QHeaderView>

#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

namespace qv {
namespace {

constexpr int kDateColumnWidth = 66;
constexpr int kNumberColumnWidth = 25;
constexpr int kRowHeight = 18;

// Number cells on white, or on lime (TColor 65280) where the row highlights the number; text centred.
class SearchCellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (index.column() == 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QString text = index.data().toString();
        painter->save();
        const bool lime = index.data(SearchGridModel::HighlightRole).toBool();
        painter->fillRect(option.rect, lime ? QColor(0x00, 0xFF, 0x00) : QColor(Qt::white));
        painter->setPen(Qt::black);
        painter->setFont(option.font);
        painter->setClipRect(option.rect);
        painter->drawText(option.rect, Qt::AlignCenter, text);
        painter->restore();
    }
};

} // namespace

SearchGridModel::SearchGridModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_rows(1, SearchGridRow{{}, {}, {}, true}) {}

void SearchGridModel::SetRows(std::vector<SearchGridRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    if (m_rows.empty()) {
        m_rows.push_back(SearchGridRow{{}, {}, {}, true});
    }
    endResetModel();
}

void SearchGridModel::EmptyCells() {
    for (SearchGridRow& row : m_rows) {
        row.blank = true;
    }
    if (!m_rows.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    }
}

int SearchGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SearchGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString SearchGridModel::Text(const SearchGridRow& row, int column) const {
    if (row.blank) {
        return {};
    }
    if (column == 0) {
        return row.date;
    }
    return QString::number(row.numbers[static_cast<std::size_t>(column - 1)]);
}

QVariant SearchGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) {
        return {};
    }
    const SearchGridRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return Text(row, index.column());
    case HighlightRole: {
        if (index.column() == 0) {
            return false;
        }
        const QString text = Text(row, index.column());
        return IsPositiveAmount(text, AppLocale()) && row.match.Contains(text.toInt());
    }
    default:
        return {};
    }
}

QVariant SearchGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns) {
        return {};
    }
    return section == 0 ? QStringLiteral("Datum") : QString::number(section);
}

void SetUpSearchGrid(QTableView& view) {
    view.setItemDelegate(new SearchCellPainter(&view));
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.horizontalHeader()->setHighlightSections(false);
    view.horizontalHeader()->setMinimumSectionSize(8);
    view.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setSelectionMode(QAbstractItemView::NoSelection);
    view.setTabKeyNavigation(false);
    view.setWordWrap(false);
    view.horizontalHeader()->setDefaultSectionSize(kNumberColumnWidth);
    // At least the width the grid has always had; wider where the font needs it for a whole date.
    const int dateWidth =
        std::max(kDateColumnWidth, view.fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + 10);
    view.setColumnWidth(0, dateWidth);
    // A new set of rows resets the header's sections.
    QObject::connect(view.model(), &QAbstractItemModel::modelReset, &view,
                     [&view, dateWidth] { view.setColumnWidth(0, dateWidth); });
}

} // namespace qv
