#include "text/ResultGrids.h"

#include "engine/core/GameTables.h"
#include "engine/evaluation/Payout.h"
#include "text/Amounts.h"
#include "text/DateText.h"

#include <QHash>

namespace qv {

const QStringList& ResultGridHeadings() {
    static const QStringList headings = {QStringLiteral("Datum"),    QStringLiteral("Feld"),
                                         QStringLiteral("Keno-Typ"), QStringLiteral("Treffer"),
                                         QStringLiteral("Gewinn"),   QStringLiteral("Gesamtgewinn")};
    return headings;
}

QString EvaluationTitle(bool singleDraw, const QString& fromText, const QString& toText) {
    if (singleDraw) {
        return QStringLiteral("Auswertung für den ") + fromText;
    }
    return QStringLiteral("Auswertung für die Ausspielungen vom ") + fromText + QStringLiteral(" bis ") + toText;
}

QString WinText(float win, const QLocale& locale) {
    return win != 0 ? FormatAmount(win, 2, locale) : QStringLiteral("--");
}

int WinCellClass(const QString& winText, int kenoType, int hits, const QLocale& locale) {
    if (!IsPositiveAmount(winText, locale)) {
        return 0;
    }
    return PrizeClassOf(kenoType, hits);
}

std::vector<ResultGridRow> ResultGridRows(std::span<const ResultRow> rows, std::span<const TGewZahlen> draws,
                                          const QLocale& locale) {
    // Wins take few distinct values, so their texts are formatted once each.
    QHash<float, QString> winTexts;
    std::vector<ResultGridRow> grid;
    grid.reserve(rows.size());
    for (const ResultRow& row : rows) {
        ResultGridRow out;
        if (row.blockStart && row.drawIndex >= 0 && row.drawIndex < static_cast<int>(draws.size())) {
            out.cells[0] = FormatDate(draws[static_cast<std::size_t>(row.drawIndex)].datum, locale);
        }
        out.cells[1] = QString::number(row.field);
        out.cells[2] = QString::number(row.kenoType);
        out.cells[3] = QString::number(row.hits);
        auto win = winTexts.find(row.win);
        if (win == winTexts.end()) {
            win = winTexts.insert(row.win, WinText(row.win, locale));
        }
        out.cells[4] = *win;
        out.cells[5] = FormatAmount(row.total, 2, locale);
        out.prizeClass = WinCellClass(out.cells[4], row.kenoType, row.hits, locale);
        grid.push_back(std::move(out));
    }
    return grid;
}

const QStringList& SlipGridHeadings() {
    static const QStringList headings = [] {
        QStringList h{QStringLiteral("Einsatz"), QStringLiteral("Keno-Typ")};
        for (int c = 1; c <= 10; ++c) {
            h << QString::number(c);
        }
        return h;
    }();
    return headings;
}

QString StakeText(const TSchein& slip) {
    const auto euros = StakeEurosAt(slip.einsatz);
    return (euros ? QString::number(*euros) : QStringLiteral("?")) + QStringLiteral(" €");
}

std::vector<SlipGridRow> SlipGridRows(const TSchein& slip) {
    std::vector<SlipGridRow> rows;
    const QString stake = StakeText(slip);
    for (int f = 0; f < TSchein::kFields; ++f) {
        if (!slip.FieldUsed(f)) {
            continue;
        }
        SlipGridRow row;
        row.cells[0] = stake;
        row.cells[1] = QString::number(slip.kenotyp[f]);
        const auto numbers = slip.FieldNumbers(f);
        for (std::size_t p = 0; p < numbers.size(); ++p) {
            row.cells[2 + p] = QString::number(numbers[p]);
            row.numbers[p] = numbers[p];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace qv
