#include "text/OddsTexts.h"

#include "engine/core/GameTables.h"
#include "text/Amounts.h"

#include <cmath>

namespace qv {

QString ChanceText(double probability, const QLocale& locale) {
    if (!(probability > 0)) {
        return QStringLiteral("--");
    }
    const double oneIn = 1.0 / probability;
    return QStringLiteral("1 zu ") + FormatAmount(oneIn, oneIn < 100 ? 2 : 0, locale);
}

QString PercentText(double probability, const QLocale& locale) {
    const double percent = probability * 100;
    int decimals = 2;
    if (percent > 0 && percent < 1) {
        // Three significant digits of a small percentage.
        decimals = std::min(10, static_cast<int>(std::ceil(-std::log10(percent))) + 2);
    }
    return locale.toString(percent, 'f', decimals) + QStringLiteral(" %");
}

QString EuroText(double amount, const QLocale& locale, bool signed_) {
    QString text = FormatAmount(amount, 2, locale);
    if (signed_ && amount > 0) {
        text.prepend(QLatin1Char('+'));
    }
    return text + QStringLiteral(" €");
}

QString BalanceText(const ResultBalance& balance, const QLocale& locale) {
    return QStringLiteral("Einsatz: %1   Gewinne: %2   Bilanz: %3")
        .arg(EuroText(balance.stake, locale), EuroText(balance.won, locale), EuroText(balance.Balance(), locale, true));
}

const QStringList& HitOddsHeadings() {
    static const QStringList headings = {QStringLiteral("Treffer"), QStringLiteral("Wahrscheinlichkeit"),
                                         QStringLiteral("Chance"), QStringLiteral("Gewinn je Euro")};
    return headings;
}

std::vector<QStringList> HitOddsRows(const KenoTypeOdds& odds, const QLocale& locale) {
    std::vector<QStringList> rows;
    // The top prize first, as on the game's own tables.
    for (auto hit = odds.hits.rbegin(); hit != odds.hits.rend(); ++hit) {
        rows.push_back({QString::number(hit->hits), PercentText(hit->probability, locale),
                        ChanceText(hit->probability, locale),
                        hit->rate > 0 ? EuroText(hit->rate, locale) : QStringLiteral("--")});
    }
    return rows;
}

QString KenoTypeSummaryText(const KenoTypeOdds& odds, const QLocale& locale) {
    return QStringLiteral("Chance auf irgendeinen Gewinn: %1 (%2).\nVon jedem Euro Einsatz fließen im Mittel %3 "
                          "zurück, %4 sind verloren.")
        .arg(ChanceText(odds.winChance, locale), PercentText(odds.winChance, locale),
             EuroText(odds.expectedPayout, locale), EuroText(1.0 - odds.expectedPayout, locale));
}

const QStringList& TypeOddsHeadings() {
    static const QStringList headings = {QStringLiteral("Keno-Typ"), QStringLiteral("Chance auf einen Gewinn"),
                                         QStringLiteral("Auszahlung je Euro")};
    return headings;
}

std::vector<QStringList> TypeOddsRows(const QLocale& locale) {
    std::vector<QStringList> rows;
    for (int type = kMinKenoType; type <= kMaxKenoType; ++type) {
        const KenoTypeOdds odds = OddsOf(type);
        rows.push_back(
            {QString::number(type), ChanceText(odds.winChance, locale), EuroText(odds.expectedPayout, locale)});
    }
    return rows;
}

const QStringList& SlipOddsHeadings() {
    static const QStringList headings = {QStringLiteral("Spielschein"), QStringLiteral("Einsatz je Ziehung"),
                                         QStringLiteral("Erwartete Auszahlung je Ziehung"),
                                         QStringLiteral("Einsatz im Monat"),
                                         QStringLiteral("Erwarteter Verlust im Monat")};
    return headings;
}

QStringList SlipOddsRow(const QString& name, const SlipExpectation& expectation, const QLocale& locale) {
    return {name, EuroText(expectation.stakePerDraw, locale), EuroText(expectation.expectedPayoutPerDraw, locale),
            EuroText(expectation.StakePerMonth(), locale), EuroText(expectation.ExpectedLossPerMonth(), locale)};
}

} // namespace qv
