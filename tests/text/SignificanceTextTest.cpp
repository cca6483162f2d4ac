#include "text/SignificanceText.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(SignificanceText, NumbersInGermanFormat) {
    EXPECT_EQ(DeviationText(1.234, kGerman), QStringLiteral("+1,23"));
    EXPECT_EQ(DeviationText(-0.456, kGerman), QStringLiteral("-0,46"));
    EXPECT_EQ(DeviationText(-0.004, kGerman), QStringLiteral("0,00"));
    EXPECT_EQ(PValueText(0.3642, kGerman), QStringLiteral("0,364"));
    EXPECT_EQ(PValueText(0.0004, kGerman), QStringLiteral("< 0,001"));

    Significance s;
    s.drawCount = 1000;
    s.expected = 1000 * 2.0 / 7;
    s.sigma = 14.2857;
    s.chiSquare = 72.414;
    s.pValue = 0.3642;
    EXPECT_EQ(SigmaLine(s, kGerman), QStringLiteral("Bei 1.000 Ziehungen erwartet je Zahl 285,7 Treffer, σ = 14,29."));
    EXPECT_EQ(ChiSquareLine(s, kGerman),
              QStringLiteral("χ² = 72,41 bei 69 Freiheitsgraden (korrigiert für Ziehen ohne Zurücklegen), p = 0,364"));
    s.pValue = 1e-9;
    EXPECT_EQ(ChiSquareLine(s, kGerman),
              QStringLiteral("χ² = 72,41 bei 69 Freiheitsgraden (korrigiert für Ziehen ohne Zurücklegen), p < 0,001"));
}

TEST(SignificanceText, SentencesFollowTheResult) {
    Significance s;
    s.expectedOutsideTwoSigma = 3.185;
    s.outsideTwoSigma = 1;
    EXPECT_EQ(SigmaMeaning(s), QStringLiteral("Bei reinem Zufall liegen etwa 3 von 70 Zahlen außerhalb von ±2σ; in "
                                              "diesem Zeitraum ist es eine."));
    s.outsideTwoSigma = 5;
    EXPECT_TRUE(SigmaMeaning(s).endsWith(QStringLiteral("in diesem Zeitraum sind es 5.")));

    struct Case {
        bool meaningful;
        double p;
        const char* start;
    };
    const Case cases[] = {
        {false, 0.5, "Für den χ²-Test sind es zu wenige Ziehungen: Erst ab 18 Ziehungen"},
        {true, 0.364, "Bei reinem Zufall weichen die Häufigkeiten in etwa 36 von 100 Zeiträumen mindestens so stark"},
        {true, 0.05, "Bei reinem Zufall weichen die Häufigkeiten in etwa 5 von 100 Zeiträumen"},
        {true, 0.0125, "So starke Abweichungen kommen bei reinem Zufall nur in etwa 1 von 80 Zeiträumen vor"},
        {true, 1e-30, "So starke Abweichungen kommen bei reinem Zufall seltener als in 1 von 1.000 Zeiträumen vor"},
    };
    for (const Case& c : cases) {
        s.chiSquareMeaningful = c.meaningful;
        s.pValue = c.p;
        EXPECT_TRUE(ChiSquareMeaning(s, kGerman).startsWith(QString::fromUtf8(c.start)))
            << ChiSquareMeaning(s, kGerman).toStdString();
    }
}

} // namespace
} // namespace qv
