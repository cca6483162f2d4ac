#pragma once

#include "text/ResultGrids.h"

#include <QAbstractTableModel>

#include <vector>

namespace qv {

// The rows of a result grid for a view: all rows are kept as built, so a long period shows at once.
// Qt::UserRole of a "Gewinn" cell gives the prize class whose colours it takes (0 = none).
class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int PrizeClassRole = Qt::UserRole;

    explicit ResultGridModel(std::vector<ResultGridRow> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ResultGridRow> m_rows;
};

} // namespace qv
