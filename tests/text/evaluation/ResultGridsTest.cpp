#include "text/ResultGrids.h"

#include "engine/core/Dates.h"
#include "engine/evaluation/Payout.h"
#include "text/DrawListText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qv {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(ResultGridRows, CellTextsAndWinColours) {
    std::vector<TGewZahlen> draws(2);
    draws[0].datum = ToTDate({2024, 8, 1});
    draws[1].datum = ToTDate({2024, 8, 2});
    const std::vector<ResultRow> rows = {
        {0, true, 1, 10, 10, 2500000.0f, 2500000.0f}, // Keno 10 with 10 hits at 10 euros
        {0, false, 2, 6, 6, 200.0f, 2500200.0f},      // Keno 6 with 6 hits
        {0, false, 3, 7, 0, 3.0f, 2500203.0f},        // Keno 7 without a hit: paid, but no class
        {1, true, 1, 8, 4, 0.0f, 2500203.0f},         // Keno 8 with 4 hits: class 12, but no win
        {1, false, 2, 2, 2, 19.5f, 2500222.5f},
    };
    const auto grid = ResultGridRows(rows, draws, kGerman);
    ASSERT_EQ(grid.size(), 5u);

    const std::array<QString, 6> first = {QStringLiteral("01.08.2024"),   QStringLiteral("1"),
                                          QStringLiteral("10"),           QStringLiteral("10"),
                                          QStringLiteral("2.500.000,00"), QStringLiteral("2.500.000,00")};
    EXPECT_EQ(grid[0].cells, first);
    EXPECT_EQ(grid[0].prizeClass, 1);
    EXPECT_EQ(PrizeClassColors[grid[0].prizeClass], 3587070u);

    EXPECT_TRUE(grid[1].cells[0].isEmpty());
    EXPECT_EQ(grid[1].prizeClass, 5);
    EXPECT_EQ(PrizeClassFontColors[grid[1].prizeClass], 0xFFFFFFu);

    EXPECT_EQ(grid[2].cells[4], QStringLiteral("3,00"));
    EXPECT_EQ(grid[2].prizeClass, 0);

    EXPECT_EQ(grid[3].cells[0], QStringLiteral("02.08.2024"));
    EXPECT_EQ(grid[3].cells[4], QStringLiteral("--"));
    EXPECT_EQ(grid[3].cells[5], QStringLiteral("2.500.203,00"));
    EXPECT_EQ(grid[3].prizeClass, 0);

    EXPECT_EQ(grid[4].cells[4], QStringLiteral("19,50"));
    EXPECT_EQ(grid[4].prizeClass, 10);
}

TEST(ResultGridRows, Titles) {
    const QString from = QStringLiteral("01.08.2024");
    const QString to = QStringLiteral("03.08.2024");
    EXPECT_EQ(EvaluationTitle(true, from, to), QStringLiteral("Auswertung für den 01.08.2024"));
    EXPECT_EQ(EvaluationTitle(false, from, to),
              QStringLiteral("Auswertung für die Ausspielungen vom 01.08.2024 bis 03.08.2024"));
}

TEST(SlipGridRows, OneRowPerFilledFieldWithStakeAndTypeRepeated) {
    TSchein slip;
    slip.einsatz = 1;
    slip.Z[2] = {5, 17, 3};
    slip.kenotyp[2] = 3;
    slip.Z[6] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    slip.kenotyp[6] = 10;
    const auto rows = SlipGridRows(slip);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells[0], QStringLiteral("2 €"));
    EXPECT_EQ(rows[0].cells[1], QStringLiteral("3"));
    EXPECT_EQ(rows[0].cells[4], QStringLiteral("3"));
    EXPECT_TRUE(rows[0].cells[5].isEmpty());
    EXPECT_EQ(rows[0].numbers[1], 17);
    EXPECT_EQ(rows[1].cells[11], QStringLiteral("10"));
    EXPECT_EQ(rows[1].cells[0], QStringLiteral("2 €"));

    slip.einsatz = 6;
    EXPECT_EQ(StakeText(slip), QStringLiteral("? €"));
}

TEST(DrawListText, DateListsAndTheirTexts) {
    std::vector<TGewZahlen> draws(2);
    draws[0].datum = ToTDate({2024, 7, 31});
    draws[1].datum = ToTDate({2024, 8, 1});
    const QStringList all = DrawDateTexts(draws, 0, kGerman);
    EXPECT_EQ(all, (QStringList{QStringLiteral("31.07.2024"), QStringLiteral("01.08.2024")}));
    EXPECT_TRUE(DrawDateTexts(std::span(draws).first(1), 1, kGerman).isEmpty());
    EXPECT_EQ(FindDateEntry(all, QStringLiteral("01.08.2024")), 1);
    EXPECT_EQ(FindDateEntry(all, QStringLiteral("1.8.2024")), -1);

    EXPECT_EQ(DatesOfTexts(all, draws, kGerman, "x.tpp"), (std::vector<TDate>{draws[0].datum, draws[1].datum}));
    EXPECT_EQ(DatesOfTexts(all, {}, kGerman, "x.tpp"), (std::vector<TDate>{draws[0].datum, draws[1].datum}));
    EXPECT_THROW(DatesOfTexts({QStringLiteral("wählen...")}, {}, kGerman, "x.tpp"), std::runtime_error);
}

// What a player types into a date list: a listed date, a day without a draw, or something else.
TEST(DrawListText, ATypedDateLeadsToTheNearestEntry) {
    const QStringList entries = {QStringLiteral("01.08.2024"), QStringLiteral("(kein Datum)"),
                                 QStringLiteral("05.08.2024"), QStringLiteral("09.08.2024")};
    const struct {
        const char* typed;
        int entry;
    } cases[] = {
        {"05.08.2024", 2}, {" 05.08.2024 ", 2}, {"03.08.2024", 0}, // two days either side: the earlier
        {"04.08.2024", 2}, {"1.8.2024", 0},     {"2024-08-06", 2}, {"31.12.1999", 0},
        {"01.01.2100", 3}, {"(kein Datum)", 1}, // only its own text chooses an entry that is no date
        {"05.08.", -1},    {"32.08.2024", -1},  {"wählen...", -1}, {"", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NearestDateEntry(entries, QString::fromUtf8(c.typed), kGerman), c.entry) << c.typed;
    }
    EXPECT_EQ(NearestDateEntry({}, QStringLiteral("05.08.2024"), kGerman), -1);
}

// A draw file may hold any eight bytes as a date. Those outside the calendar are shown as what they
// are, and a save keeps them as they are instead of refusing the whole history.
TEST(DrawListText, DatesOutsideTheCalendarAreShownAndKept) {
    const double huge = 7.4e11; // some 2 billion years
    std::vector<TGewZahlen> draws(5);
    draws[0].datum = std::numeric_limits<double>::quiet_NaN();
    draws[1].datum = std::numeric_limits<double>::infinity();
    draws[2].datum = huge;
    draws[3].datum = -1e300;
    draws[4].datum = ToTDate({2024, 8, 1});
    const QStringList texts = DrawDateTexts(draws, 0, kGerman);
    EXPECT_EQ(texts,
              (QStringList{QStringLiteral("(kein Datum)"), QStringLiteral("(Tag inf)"), QStringLiteral("(Tag 7.4e+11)"),
                           QStringLiteral("(Tag -1e+300)"), QStringLiteral("01.08.2024")}));

    QStringList edited = texts;
    edited[4] = QStringLiteral("02.08.2024");
    const std::vector<TDate> dates = DatesOfTexts(edited, draws, kGerman, "x.tpp");
    ASSERT_EQ(dates.size(), 5u);
    EXPECT_TRUE(std::isnan(dates[0]));
    EXPECT_EQ(dates[1], std::numeric_limits<double>::infinity());
    EXPECT_EQ(dates[2], huge);
    EXPECT_EQ(dates[3], -1e300);
    EXPECT_EQ(dates[4], ToTDate({2024, 8, 2}));
}

} // namespace
} // namespace qv
