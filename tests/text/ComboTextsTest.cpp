#include "text/ComboTexts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(ComboTextsTest, ExpectationAndCheckCountOfARun) {
    struct Case {
        int k;
        std::uint64_t b;
        const char* expectation;
        const char* checks;
    };
    const std::vector<Case> cases = {
        {2, 1000, "Erwartungswert: 78,67", "Prüfroutinen: 2.415.000"},
        {3, 1000, "Erwartungswert: 20,83", "Prüfroutinen: 54.740.000"},
        {5, 1000, "Erwartungswert: 1,28", "Prüfroutinen: 12.103.014.000"},
        {2, 1, "Erwartungswert: 0,08", "Prüfroutinen: 2.415"},
        {2, 20000, "Erwartungswert: 1.573,50", "Prüfroutinen: 48.300.000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExpectationText(c.k, c.b, kGerman), QString::fromUtf8(c.expectation));
        EXPECT_EQ(CheckCountText(c.k, c.b, kGerman), QString::fromUtf8(c.checks));
    }
}

TEST(ComboTextsTest, SearchInfoWhileAndAfterSearching) {
    EXPECT_EQ(SearchInfoText(SearchMode::Combinations, false, 6, 3, kGerman),
              QStringLiteral("Es wird nach dem Auftreten von 20 Dreier- Kombinationen aus 6 Zahlen gesucht"));
    EXPECT_EQ(SearchInfoText(SearchMode::Combinations, true, 20, 10, kGerman),
              QStringLiteral("Es wurde nach dem Auftreten von 184.756 Zehner- Kombinationen aus 20 Zahlen gesucht"));
    EXPECT_EQ(SearchInfoText(SearchMode::Combinations, true, 9, 5, kGerman),
              QStringLiteral("Es wurde nach dem Auftreten von 126 Fünfer- Kombinationen aus 9 Zahlen gesucht"));
    EXPECT_EQ(SearchInfoText(SearchMode::WholePool, false, 4, 0, kGerman),
              QStringLiteral("Es wird nach dem Auftreten einer Kombination aus 4 Zahlen gesucht"));
    EXPECT_EQ(SearchInfoText(SearchMode::WholePool, true, 4, 0, kGerman),
              QStringLiteral("Es wurde nach dem Auftreten einer Kombination aus 4 Zahlen gesucht"));
}

TEST(ComboTextsTest, DurationOfARun) {
    const std::vector<std::pair<std::uint32_t, const char*>> cases = {
        {0, "Dauer: 0:00:00,0"},         {205700, "Dauer: 0:03:25,7"},         {99, "Dauer: 0:00:00,0"},
        {36061234, "Dauer: 10:01:01,2"}, {4294967295u, "Dauer: 1193:02:47,2"},
    };
    for (const auto& [ms, text] : cases) {
        EXPECT_EQ(DurationText(ms), QString::fromUtf8(text)) << ms;
    }
}

} // namespace
} // namespace qv
