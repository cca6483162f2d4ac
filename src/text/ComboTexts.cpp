#include "text/ComboTexts.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/core/GameTables.h"

namespace qv {
namespace {

QLocale WithGroups(const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped;
}

} // namespace

QString ExpectationText(int k, std::uint64_t b, const QLocale& locale) {
    return QStringLiteral("Erwartungswert: ") + WithGroups(locale).toString(ExpectedCount(k, b), 'f', 2);
}

QString CheckCountText(int k, std::uint64_t b, const QLocale& locale) {
    return QStringLiteral("Prüfroutinen: ") + WithGroups(locale).toString(static_cast<qulonglong>(CheckCount(k, b)));
}

QString SearchInfoText(SearchMode mode, bool finished, int poolCount, int k, const QLocale& locale) {
    const QString lead =
        finished ? QStringLiteral("Es wurde nach dem Auftreten ") : QStringLiteral("Es wird nach dem Auftreten ");
    if (mode == SearchMode::WholePool) {
        return lead + QStringLiteral("einer Kombination aus %1 Zahlen gesucht").arg(poolCount);
    }
    const QString combinations = WithGroups(locale).toString(static_cast<qulonglong>(SmallBinomial(poolCount, k)));
    return lead + QStringLiteral("von %1 %2er- Kombinationen aus %3 Zahlen gesucht")
                      .arg(combinations,
                           QString::fromUtf8(KenoTypeName(k).data(), static_cast<qsizetype>(KenoTypeName(k).size())))
                      .arg(poolCount);
}

QString DurationText(std::uint32_t elapsedMs) {
    const std::uint32_t h = elapsedMs / 3600000;
    const std::uint32_t m = (elapsedMs % 3600000) / 60000;
    const std::uint32_t s = (elapsedMs % 60000) / 1000;
    const std::uint32_t t = (elapsedMs % 1000) / 100;
    return QStringLiteral("Dauer: %1:%2:%3,%4")
        .arg(h)
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'))
        .arg(t);
}

} // namespace qv
