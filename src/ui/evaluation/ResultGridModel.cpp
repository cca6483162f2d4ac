#include "ui/evaluation/ResultGridModel.h"

namespace qv {

ResultGridModel::ResultGridModel(std::vector<ResultGridRow> rows, QObject* parent)
    : QAbstractTableModel(parent)
    , m_rows(std::move(rows)) {}

int ResultGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kResultColumns;
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const ResultGridRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return row.cells[static_cast<std::size_t>(index.column())];
    case PrizeClassRole:
        return index.column() == 4 ? row.prizeClass : 0;
    default:
        return {};
    }
}

QVariant ResultGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kResultColumns) {
        return ResultGridHeadings()[section];
    }
    return {};
}

} // namespace qv
