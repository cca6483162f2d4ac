#include "text/SignificanceText.h"

#include "text/Amounts.h"

#include <cmath>

namespace qv {

QString DeviationText(double deviation, const QLocale& locale) {
    // -0,004 shows as "0,00", without a sign that points nowhere.
    const double rounded = std::round(deviation * 100.0) / 100.0;
    const QString text = locale.toString(std::fabs(rounded), 'f', 2);
    if (rounded > 0) {
        return QStringLiteral("+") + text;
    }
    return rounded < 0 ? QStringLiteral("-") + text : text;
}

QString PValueText(double p, const QLocale& locale) {
    if (p < 0.0005) {
        return QStringLiteral("< ") + locale.toString(0.001, 'f', 3);
    }
    return locale.toString(p, 'f', 3);
}

QString SigmaLine(const Significance& significance, const QLocale& locale) {
    return QStringLiteral("Bei %1 Ziehungen erwartet je Zahl %2 Treffer, σ = %3.")
        .arg(locale.toString(significance.drawCount), FormatAmount(significance.expected, 1, locale),
             FormatAmount(significance.sigma, 2, locale));
}

QString ChiSquareLine(const Significance& significance, const QLocale& locale) {
    const QString p = PValueText(significance.pValue, locale);
    return QStringLiteral("χ² = %1 bei %2 Freiheitsgraden (korrigiert für Ziehen ohne Zurücklegen), p %3")
        .arg(FormatAmount(significance.chiSquare, 2, locale))
        .arg(kChiSquareDegreesOfFreedom)
        .arg(p.startsWith(QLatin1Char('<')) ? p : QStringLiteral("= ") + p);
}

QString SigmaMeaning(const Significance& significance) {
    const int count = significance.outsideTwoSigma;
    return QStringLiteral("Bei reinem Zufall liegen etwa %1 von 70 Zahlen außerhalb von ±2σ; in diesem Zeitraum %2.")
        .arg(std::lround(significance.expectedOutsideTwoSigma))
        .arg(count == 1 ? QStringLiteral("ist es eine") : QStringLiteral("sind es %1").arg(count));
}

QString ChiSquareMeaning(const Significance& significance, const QLocale& locale) {
    if (!significance.chiSquareMeaningful) {
        return QStringLiteral("Für den χ²-Test sind es zu wenige Ziehungen: Erst ab %1 Ziehungen wird jede Zahl im "
                              "Mittel 5-mal erwartet.")
            .arg(kMinDrawsForChiSquare);
    }
    const double p = significance.pValue;
    if (p >= 0.05) {
        return QStringLiteral("Bei reinem Zufall weichen die Häufigkeiten in etwa %1 von 100 Zeiträumen mindestens so "
                              "stark ab wie hier: kein Hinweis darauf, dass Zahlen bevorzugt gezogen werden.")
            .arg(std::lround(p * 100.0));
    }
    if (p >= 0.001) {
        return QStringLiteral("So starke Abweichungen kommen bei reinem Zufall nur in etwa 1 von %1 Zeiträumen vor: "
                              "auffällig, doch wer viele Zeiträume prüft, stößt auch bei reinem Zufall auf solche.")
            .arg(locale.toString(static_cast<qlonglong>(std::lround(1.0 / p))));
    }
    return QStringLiteral("So starke Abweichungen kommen bei reinem Zufall seltener als in 1 von %1 Zeiträumen vor: "
                          "Die Ziehungen dieses Zeitraums sind kaum gleich verteilt – oder die Ziehungsdaten enthalten "
                          "Fehler.")
        .arg(locale.toString(1000));
}

} // namespace qv
