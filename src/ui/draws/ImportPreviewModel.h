#pragma once

#include "engine/core/Records.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

namespace qv {

// The draws an import understood, one row each: the date, then the 20 numbers in the order of the line.
// A model over the draws themselves, so a history of thousands of lines shows at once.
class ImportPreviewModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    ImportPreviewModel(std::vector<TGewZahlen> draws, const QLocale& locale, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TGewZahlen> m_draws;
    QLocale m_locale;
};

} // namespace qv
