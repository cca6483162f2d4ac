#include "engine/core/SlipRows.h"

#include "engine/core/GameTables.h"

namespace qv {

std::vector<SlipRow> SlipRows(const TSchein& slip, int rowsSoFar) {
    std::vector<SlipRow> rows;
    for (int f = 0; f < TSchein::kFields; ++f) {
        if (!slip.FieldUsed(f)) {
            continue;
        }
        SlipRow row;
        row.rowNumber = ++rowsSoFar;
        row.field = f + 1;
        row.kenoType = slip.kenotyp[f];
        row.drawCount = DrawCountAt(slip.Ziehungen);
        row.stakeEuros = StakeEurosAt(slip.einsatz);
        for (std::uint8_t n : slip.FieldNumbers(f)) {
            row.numbers.push_back(n);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace qv
