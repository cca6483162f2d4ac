#include "text/BacktestTexts.h"

#include "engine/evaluation/Odds.h"
#include "text/Amounts.h"
#include "text/DateText.h"
#include "text/OddsTexts.h"

#include <algorithm>

namespace qv {

QString MethodText(TipMethod method) {
    return QString::fromUtf8(TipMethodTexts.at(static_cast<std::size_t>(method)).data(),
                             static_cast<qsizetype>(TipMethodTexts.at(static_cast<std::size_t>(method)).size()));
}

const QStringList& BacktestHeadings() {
    static const QStringList headings = {QStringLiteral("Tippreihen gebildet"),
                                         QStringLiteral("Tippreihen"),
                                         QStringLiteral("Einsatz"),
                                         QStringLiteral("Gewinn"),
                                         QStringLiteral("Bilanz"),
                                         QStringLiteral("Rückfluss")};
    return headings;
}

QString ReturnText(double percent, const QLocale& locale) {
    return locale.toString(percent, 'f', 1) + QStringLiteral(" %");
}

std::vector<QStringList> BacktestRows(const BacktestResult& result, const QLocale& locale) {
    std::vector<QStringList> rows;
    rows.reserve(result.methods.size());
    for (const MethodBacktest& method : result.methods) {
        rows.push_back({MethodText(method.method), FormatAmount(method.rows, 0, locale), EuroText(method.stake, locale),
                        EuroText(method.won, locale), EuroText(method.Balance(), locale, true),
                        ReturnText(method.ReturnPercent(), locale)});
    }
    return rows;
}

QStringList BacktestHitHeadings(int kenoType) {
    QStringList headings{QStringLiteral("Tippreihen gebildet")};
    for (int h = 0; h <= kenoType; ++h) {
        headings << QStringLiteral("%1 Treffer").arg(h);
    }
    return headings;
}

std::vector<QStringList> BacktestHitRows(const BacktestResult& result, const QLocale& locale) {
    std::vector<QStringList> rows;
    const int type = std::clamp(result.request.kenoType, 0, kMaxKenoType);
    for (const MethodBacktest& method : result.methods) {
        QStringList row{MethodText(method.method)};
        for (int h = 0; h <= type; ++h) {
            row << FormatAmount(method.hitCounts[static_cast<std::size_t>(h)], 0, locale);
        }
        rows.push_back(row);
    }
    return rows;
}

QString BacktestScopeText(const BacktestResult& result, std::span<const TGewZahlen> draws, const QLocale& locale) {
    const int rows = result.methods.front().rows;
    if (rows == 0 || result.lastPlayed >= static_cast<int>(draws.size())) {
        return QStringLiteral("Keine Tippreihe gespielt.");
    }
    const int lastPlayed = result.firstStart + rows - 1 + result.request.drawsPlayed - 1;
    return QStringLiteral("%1 %2 je Methode, jede aus den %3 Ziehungen davor gebildet und in %4 %5 gespielt, vom %6 "
                          "bis zum %7.")
        .arg(FormatAmount(rows, 0, locale), rows == 1 ? QStringLiteral("Tippreihe") : QStringLiteral("Tippreihen"),
             FormatAmount(result.request.window, 0, locale), QString::number(result.request.drawsPlayed),
             result.request.drawsPlayed == 1 ? QStringLiteral("Ziehung") : QStringLiteral("Ziehungen"),
             FormatDate(draws[static_cast<std::size_t>(result.firstStart)].datum, locale),
             FormatDate(draws[static_cast<std::size_t>(lastPlayed)].datum, locale));
}

QString ExpectedReturnText(int kenoType, const QLocale& locale) {
    return QStringLiteral("Nach der Gewinnquote fließen beim KENO-Typ %1 von jedem Euro Einsatz auf lange Sicht %2 "
                          "zurück.")
        .arg(kenoType)
        .arg(ReturnText(100.0 * OddsOf(kenoType).expectedPayout, locale));
}

QString ChanceNoteText() {
    return QStringLiteral("Alle vier Methoden sind Zufall: Jede Ziehung ist von den vorigen unabhängig, keine Auswahl "
                          "aus vergangenen Ziehungen macht einen Treffer wahrscheinlicher. Was eine Methode hier vor "
                          "einer anderen liegt, ist Glück der gespielten Reihen und kein Vorteil für künftige "
                          "Ziehungen.");
}

} // namespace qv
