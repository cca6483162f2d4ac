#include "text/BinomialText.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(BinomialText, ExactResultsWithGermanThousandsSeparators) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        const char* n;
        const char* k;
        const char* shown;
    } cases[] = {
        {"49", "6", "13.983.816"},
        {"70", "20", "161.884.603.662.657.876"}, // exact, not rounded through a double
        {"70", "10", "396.704.524.216"},
        {"70", "1", "70"},
        {"70", "69", "70"},
        {"70", "0", "1"},
        {"70", "", "1"}, // no k counts as 0
    };
    for (const auto& c : cases) {
        const BinomialAnswer answer = AnswerBinomial(QString::fromUtf8(c.n), QString::fromUtf8(c.k), german);
        EXPECT_EQ(answer.text, QString::fromUtf8(c.shown)) << c.n << " " << c.k;
        EXPECT_FALSE(answer.refused) << c.n << " " << c.k;
    }
}

TEST(BinomialText, ResultsBeyondSixtyFourBitsGetAClearText) {
    const QLocale german(QLocale::German, QLocale::Germany);
    for (const char* n : {"70", "99999999999999999999999"}) {
        const BinomialAnswer answer = AnswerBinomial(QString::fromUtf8(n), QStringLiteral("35"), german);
        EXPECT_FALSE(answer.refused);
        EXPECT_EQ(answer.text, QStringLiteral("zu groß für die Anzeige (über 18 Trillionen)")) << n;
    }
}

TEST(BinomialText, RefusalsNameTheFieldToCorrect) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString nZero = QStringLiteral("Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst "
                                         "einmal ab.");
    const QString nNotGreater = QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche "
                                               "erst einmal ab.");
    const struct {
        const char* n;
        const char* k;
        QString message;
    } cases[] = {
        {"", "6", nZero},
        {"0", "6", nZero},
        {"abc", "1", nZero},
        {"5", "5", nNotGreater},
        {"5", "7", nNotGreater},
        {"5", "drei", QString()}, // a k that is no number counts as 0: 5 over 0
        {"5", "-1", QString::fromUtf8(NegativeKText)},
    };
    for (const auto& c : cases) {
        const BinomialAnswer answer = AnswerBinomial(QString::fromUtf8(c.n), QString::fromUtf8(c.k), german);
        EXPECT_EQ(answer.refused, !c.message.isEmpty()) << c.n << " " << c.k;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(answer.text, c.message) << c.n << " " << c.k;
        }
    }
}

} // namespace
} // namespace qv
