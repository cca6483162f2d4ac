#include "text/CsvText.h"

#include "support/CsvReader.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

TEST(CsvText, WritesSemicolonsCrLfAndAByteOrderMark) {
    const QList<QStringList> rows = {
        {QStringLiteral("Datum"), QStringLiteral("Gewinn"), QStringLiteral("Quote")},
        {QStringLiteral("01.08.2024"), QStringLiteral("1.234,50 €"), QStringLiteral("-0,25")},
    };
    EXPECT_EQ(CsvBytes(rows), QByteArray("\xEF\xBB\xBF"
                                         "Datum;Gewinn;Quote\r\n"
                                         "01.08.2024;1.234,50 \xE2\x82\xAC;-0,25\r\n"));
    EXPECT_EQ(CsvBytes({}), QByteArray("\xEF\xBB\xBF"));
}

TEST(CsvText, QuotesSeparatorsQuotationMarksAndLineBreaks) {
    struct Case {
        const char* cell;
        const char* written;
    };
    const Case cases[] = {
        {"a;b", "\"a;b\""},
        {"Typ \"10\"", "\"Typ \"\"10\"\"\""},
        {"zwei\nZeilen", "\"zwei\nZeilen\""},
        {"zwei\r\nZeilen", "\"zwei\r\nZeilen\""},
        {"\"", "\"\"\"\""},
        {"Größe, Tab\t", "Größe, Tab\t"}, // commas and tabs mean nothing in a file of semicolons
        {"", ""},
    };
    for (const Case& c : cases) {
        const QString cell = QString::fromUtf8(c.cell);
        const QList<QStringList> rows = {{QStringLiteral("x"), cell, QStringLiteral("y")}};
        EXPECT_EQ(CsvBytes(rows), QByteArray("\xEF\xBB\xBFx;") + c.written + ";y\r\n") << c.cell;
        EXPECT_EQ(ReadCsv(CsvBytes(rows)), rows) << c.cell;
    }
}

TEST(CsvText, TabSeparatedForTheClipboardQuotesTabs) {
    const QList<QStringList> rows = {{QStringLiteral("Zahl"), QStringLiteral("σ")},
                                     {QStringLiteral("7"), QStringLiteral("a\tb")}};
    EXPECT_EQ(TabSeparatedText(rows), QStringLiteral("Zahl\tσ\n7\t\"a\tb\"\n"));
}

} // namespace
} // namespace qv::test
