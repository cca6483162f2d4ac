#include "ui/analysis/PatternModels.h"

#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "text/AppLocale.h"
#include "text/DateText.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace qv {
namespace {

constexpr int kDateColumnWidth = 64;

// The derived arrays do not grow with DrawList: the views show the draws that were there at start.
QStringList DatesOf(const ProgramState& state) {
    QStringList dates;
    const std::size_t count = std::min(state.DrawSets.size(), state.DrawList.size());
    const QLocale locale = AppLocale();
    for (std::size_t i = 0; i < count; ++i) {
        dates << FormatDate(state.DrawList[i].datum, locale);
    }
    return dates;
}

// The sets of the first count draws as every count takes them: a record that holds no draw is empty.
std::vector<NumberSet> CountableSetsOf(const ProgramState& state, qsizetype count) {
    return CountableDrawSets(state.DrawList, 0, static_cast<int>(count) - 1);
}

std::vector<int> InvalidRowsOf(const std::vector<NumberSet>& countableSets) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < countableSets.size(); ++row) {
        if (countableSets[row].Empty()) {
            rows.push_back(static_cast<int>(row));
        }
    }
    return rows;
}

bool Contains(const std::vector<int>& sortedRows, int row) {
    return std::binary_search(sortedRows.begin(), sortedRows.end(), row);
}

// What an invalid record's row holds: its date, then the mark once across its number cells, aligned
// as markAlignment says.
QVariant InvalidRowData(const QModelIndex& index, int role, const QString& date, Qt::Alignment markAlignment) {
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (column == 0) {
            return date;
        }
        return column == 1 ? QString::fromUtf8(kInvalidDrawText) : QVariant();
    case Qt::ToolTipRole:
        return column <= 1 ? QVariant(QString::fromUtf8(kInvalidDrawText)) : QVariant();
    case Qt::BackgroundRole:
        return column == 0 ? QVariant() : QVariant(ColourOf(kPlainCellColour));
    case Qt::ForegroundRole:
        return column == 0 ? QVariant() : QVariant(QColor(Qt::black));
    case Qt::TextAlignmentRole:
        return column == 1 ? QVariant::fromValue(markAlignment) : QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant DateHeader(int section, Qt::Orientation orientation, int role, const QString& last = {}) {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (section == 0) {
        return QStringLiteral("Datum");
    }
    return last.isEmpty() ? QString::number(section) : last;
}

} // namespace

QColor ColourOf(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

RepeaterModel::RepeaterModel(const ProgramState& state, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dates(DatesOf(state))
    , m_sets(CountableSetsOf(state, m_dates.size()))
    , m_invalidRows(InvalidRowsOf(m_sets))
    , m_sorted(state.SortedDraws.begin(),
               state.SortedDraws.begin() + std::min<qsizetype>(m_dates.size(), state.SortedDraws.size())) {}

void RepeaterModel::SetMarking(bool markFinalDigit, int digit) {
    m_markFinalDigit = markFinalDigit;
    m_digit = digit;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
    }
}

int RepeaterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_sorted.size());
}

int RepeaterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + kNumbersPerDraw;
}

QColor RepeaterModel::CellColour(int row, int column) const {
    if (column < 1 || row < 0 || row >= rowCount() || Contains(m_invalidRows, row)) {
        return ColourOf(kPlainCellColour);
    }
    const int n = m_sorted[static_cast<std::size_t>(row)].GZ[static_cast<std::size_t>(column - 1)];
    return ColourOf(RepeaterViewMarks(m_sets, row, n, m_markFinalDigit, m_digit) ? kMarkedNumberColour
                                                                                 : kPlainCellColour);
}

QVariant RepeaterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    if (Contains(m_invalidRows, row)) {
        return InvalidRowData(index, role, m_dates.value(row), Qt::AlignCenter);
    }
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0) {
            return m_dates.value(row);
        }
        return QString::number(m_sorted[static_cast<std::size_t>(row)].GZ[static_cast<std::size_t>(column - 1)]);
    case Qt::BackgroundRole:
        return column == 0 ? QVariant() : QVariant(CellColour(row, column));
    case Qt::ForegroundRole:
        return column == 0 ? QVariant() : QVariant(QColor(Qt::black));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant RepeaterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return DateHeader(section, orientation, role);
}

PatternModel::PatternModel(const ProgramState& state, QObject* parent)
    : QAbstractTableModel(parent)
    , m_dates(DatesOf(state))
    , m_sets(CountableSetsOf(state, m_dates.size()))
    , m_invalidRows(InvalidRowsOf(m_sets))
    , m_runs(PatternRunLengths(m_sets)) {}

int PatternModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_runs.size());
}

int PatternModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRepeatColumn + 1;
}

QColor PatternModel::CellColour(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 1) {
        return ColourOf(kPlainCellColour);
    }
    if (column == kRepeatColumn) {
        // A draw without a draw before it to compare with: the cell stays empty and white.
        const std::optional<int> repeats = RepeatCountOf(m_sets, static_cast<std::size_t>(row));
        return ColourOf(repeats ? RepeatCountColour(*repeats) : kPlainCellColour);
    }
    return ColourOf(PatternCellColour(m_runs[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)]));
}

QVariant PatternModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const int column = index.column();
    if (Contains(m_invalidRows, row)) {
        // Seventy cells are wider than most windows: the mark stands at their start, beside the date.
        return InvalidRowData(index, role, m_dates.value(row), Qt::AlignLeft | Qt::AlignVCenter);
    }
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0) {
            return m_dates.value(row);
        }
        if (column == kRepeatColumn) {
            const std::optional<int> repeats = RepeatCountOf(m_sets, static_cast<std::size_t>(row));
            return repeats ? QVariant(QString::number(*repeats)) : QVariant();
        }
        return {};
    case Qt::AccessibleTextRole:
        // The colours say it on screen; a screen reader hears which numbers the draw holds.
        if (column >= 1 && column < kRepeatColumn) {
            const int run = m_runs[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)];
            if (run == 0) {
                return QString();
            }
            return run == 1 ? QStringLiteral("%1 neu").arg(column)
                            : QStringLiteral("%1 wiederholt %2").arg(column).arg(std::min(run - 1, 10));
        }
        return data(index, Qt::DisplayRole);
    case Qt::BackgroundRole:
        return column == 0 ? QVariant() : QVariant(CellColour(row, column));
    case Qt::ForegroundRole:
        return column == 0 ? QVariant() : QVariant(QColor(Qt::black));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant PatternModel::headerData(int section, Qt::Orientation orientation, int role) const {
    return DateHeader(section, orientation, role, section == kRepeatColumn ? QStringLiteral("Wdh") : QString());
}

QLabel* InvalidDrawsLabel(const std::vector<int>& invalidRows, QWidget* parent) {
    const int count = static_cast<int>(invalidRows.size());
    auto* label = new QLabel(QString::fromStdString(InvalidDrawsNote(count)), parent);
    label->setObjectName(QStringLiteral("LUngueltig"));
    label->setVisible(count > 0);
    return label;
}

void PatternGrid::JoinNumberCells(const std::vector<int>& rows, int numberColumns) {
    for (const int row : rows) {
        setSpan(row, 1, 1, numberColumns);
    }
}

int GridWidth(const QTableView& grid) {
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
        width += grid.columnWidth(column);
    }
    return width;
}

PatternGrid::PatternGrid(QAbstractItemModel* model, int cellWidth, int cellHeight, QWidget* parent)
    : QTableView(parent) {
    setModel(model);
    verticalHeader()->hide();
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    horizontalHeader()->setFont(small);
    // The cells keep their designed size unless the desktop's font needs more for "70" or a date.
    const QFontMetrics metrics(small);
    const int width = std::max(cellWidth, metrics.horizontalAdvance(QStringLiteral("70")) + 2);
    const int height = std::max(cellHeight, metrics.height() + 2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(width);
    horizontalHeader()->setDefaultSectionSize(width);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
    setColumnWidth(0, std::max(kDateColumnWidth, metrics.horizontalAdvance(QStringLiteral("00.00.0000")) + 10));
    setTextElideMode(Qt::ElideNone);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    const QColor lines = QApplication::palette().color(QPalette::Button);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; }").arg(lines.name()));
}

} // namespace qv
