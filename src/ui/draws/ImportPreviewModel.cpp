#include "ui/draws/ImportPreviewModel.h"

#include "engine/core/GameTables.h"
#include "text/DateText.h"

namespace qv {

ImportPreviewModel::ImportPreviewModel(std::vector<TGewZahlen> draws, const QLocale& locale, QObject* parent)
    : QAbstractTableModel(parent)
    , m_draws(std::move(draws))
    , m_locale(locale) {}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_draws.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + static_cast<int>(kNumbersPerDraw);
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const TGewZahlen& draw = m_draws[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return index.column() == 0 ? FormatDate(draw.datum, m_locale)
                                   : QString::number(draw.GZ[static_cast<std::size_t>(index.column() - 1)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return section == 0 ? QStringLiteral("Datum") : QString::number(section);
}

} // namespace qv
