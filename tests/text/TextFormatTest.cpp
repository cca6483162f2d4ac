#include "text/Amounts.h"
#include "text/DateText.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(Amounts, PositiveAmountTexts) {
    struct Case {
        const char* text;
        bool positive;
    };
    const Case cases[] = {
        {"1.234,50", true}, {"19,50", true}, {"2.500.000,00", true}, {"--", false},
        {"0,50", false},    {"", false},     {"-3,00", false},       {"12abc", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPositiveAmount(QString::fromUtf8(c.text), kGerman), c.positive) << c.text;
    }
}

TEST(Amounts, FormatInTheLocale) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "0"},
        {0, 1, "0"},
        {0, 2, "0,00"},
        {19.5, 2, "19,50"},
        {2500000, 2, "2.500.000,00"},
        {1234.5678, 1, "1.234,6"},
        {-12.25, 2, "-12,25"},
        {12345678901.0, 0, "12.345.678.900"}, // ten significant digits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatAmount(c.value, c.decimals, kGerman), QString::fromUtf8(c.text)) << c.value;
    }
    EXPECT_EQ(FormatAmount(std::numeric_limits<double>::quiet_NaN(), 2, kGerman), QString());
    // "0,00" keeps its comma whatever the locale
    EXPECT_EQ(FormatAmount(0, 2, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("0,00"));
}

TEST(DateText, ShortDatesWithFourDigitYears) {
    EXPECT_EQ(FormatDate(45505, kGerman), QStringLiteral("01.08.2024"));
    EXPECT_EQ(ParseDate(QStringLiteral("01.08.2024"), kGerman), 45505);
    EXPECT_EQ(ParseDate(QStringLiteral("31.02.2024"), kGerman), std::nullopt);
    EXPECT_EQ(ParseDate(QStringLiteral("wählen..."), kGerman), std::nullopt);
    EXPECT_EQ(ToQDate(0), QDate(1899, 12, 30));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(FormatDate(45505, english), QStringLiteral("8/1/2024"));
}

} // namespace
} // namespace qv
