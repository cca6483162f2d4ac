#include "text/WheelTexts.h"

#include "text/OddsTexts.h"

namespace qv {
namespace {

// "3, 8, 15 und 22"
QString NumberList(const std::vector<int>& numbers) {
    QStringList items;
    for (int number : numbers) {
        items << QString::number(number);
    }
    if (items.size() < 2) {
        return items.join(QString());
    }
    const QString last = items.takeLast();
    return items.join(QStringLiteral(", ")) + QStringLiteral(" und ") + last;
}

QString Hits(int hits) {
    return hits == 1 ? QStringLiteral("einen Treffer") : QStringLiteral("%1 Treffer").arg(hits);
}

} // namespace

QString GuaranteeText(const WheelRequest& request) {
    return QStringLiteral("Wenn mindestens %1 der 20 gezogenen Zahlen unter Ihren %2 Zahlen sind, hat mindestens "
                          "eine Reihe %3.")
        .arg(request.ifDrawn)
        .arg(request.pool.size())
        .arg(Hits(request.hits));
}

QString ProofText(const WheelRequest& request, const WheelProof& proof, const std::vector<int>& sortedPool) {
    if (proof.cancelled) {
        return QStringLiteral("Die Prüfung wurde abgebrochen; die Garantie ist nicht bewiesen.");
    }
    if (proof.holds) {
        return QStringLiteral("Bewiesen: ") + GuaranteeText(request);
    }
    return QStringLiteral("Nicht garantiert: Werden %1 gezogen, hat keine Reihe %2.")
        .arg(NumberList(NumbersOf(proof.uncovered, sortedPool)), Hits(request.hits));
}

std::string WheelRowsText(const std::vector<RowMask>& rows, const std::vector<int>& sortedPool) {
    std::string text;
    for (RowMask row : rows) {
        bool first = true;
        for (int number : NumbersOf(row, sortedPool)) {
            if (!first) {
                text += ' ';
            }
            text += std::to_string(number);
            first = false;
        }
        text += "\r\n";
    }
    return text;
}

std::vector<std::pair<QString, QString>> WheelFigureLines(const WheelRequest& request, std::uint64_t bound,
                                                          const WheelFigures& figures, const QLocale& locale) {
    std::vector<std::pair<QString, QString>> lines;
    lines.emplace_back(QStringLiteral("Reihen"), locale.toString(figures.rows));
    lines.emplace_back(QStringLiteral("Untere Schranke"),
                       QStringLiteral("%1 (kein System dieser Garantie hat weniger Reihen)")
                           .arg(locale.toString(static_cast<qulonglong>(bound))));
    lines.emplace_back(QStringLiteral("Einsatz je Ziehung"), EuroText(figures.costPerDraw, locale));
    lines.emplace_back(QStringLiteral("Einsatz für %1 Ziehungen").arg(figures.draws),
                       EuroText(figures.costForDraws, locale));
    lines.emplace_back(
        QStringLiteral("Chance je Ziehung, dass mindestens %1 der 20 Zahlen im Pool sind").arg(request.ifDrawn),
        PercentText(figures.conditionChance, locale));
    lines.emplace_back(QStringLiteral("Chance je Ziehung auf %1 in einer Reihe")
                           .arg(request.hits == 1 ? QStringLiteral("mindestens einen Treffer")
                                                  : QStringLiteral("mindestens %1 Treffer").arg(request.hits)),
                       PercentText(figures.guaranteeChance, locale));
    lines.emplace_back(QStringLiteral("Gewinn einer Reihe mit %1").arg(Hits(request.hits)),
                       figures.guaranteePrize > 0 ? EuroText(figures.guaranteePrize, locale)
                                                  : QStringLiteral("kein Gewinn"));
    lines.emplace_back(QStringLiteral("Chance je Ziehung auf irgendeinen Gewinn"),
                       PercentText(figures.anyWinChance, locale));
    const QString how = figures.exact ? QStringLiteral("genau")
                                      : QStringLiteral("aus %1 simulierten Ziehungen, Standardfehler %2")
                                            .arg(locale.toString(static_cast<qulonglong>(figures.simulatedDraws)),
                                                 EuroText(figures.standardError, locale));
    lines.emplace_back(QStringLiteral("Erwartete Auszahlung je Ziehung"),
                       QStringLiteral("%1 (%2)").arg(EuroText(figures.expectedPayout, locale), how));
    lines.emplace_back(QStringLiteral("Standardabweichung je Ziehung"), EuroText(figures.standardDeviation, locale));
    lines.emplace_back(QStringLiteral("Auszahlung je eingesetztem Euro"), EuroText(figures.returnPerEuro, locale));
    lines.emplace_back(QStringLiteral("Erwarteter Verlust für %1 Ziehungen").arg(figures.draws),
                       EuroText(figures.ExpectedLossForDraws(), locale));
    return lines;
}

const QStringList& PayoutDistributionHeadings() {
    static const QStringList headings = {QStringLiteral("Auszahlung je Ziehung"), QStringLiteral("Wahrscheinlichkeit")};
    return headings;
}

std::vector<QStringList> PayoutDistributionRows(const WheelFigures& figures, const QLocale& locale) {
    std::vector<QStringList> rows;
    rows.reserve(figures.distribution.size());
    for (const PayoutChance& chance : figures.distribution) {
        rows.push_back({EuroText(chance.payout, locale), PercentText(chance.probability, locale)});
    }
    return rows;
}

} // namespace qv
