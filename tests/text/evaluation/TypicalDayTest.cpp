#include "engine/core/DrawStore.h"
#include "engine/core/SafeFile.h"
#include "engine/draws/DrawImport.h"
#include "engine/evaluation/DrawEntry.h"
#include "engine/evaluation/Evaluation.h"
#include "text/DataFolder.h"
#include "text/DateText.h"
#include "text/DrawListText.h"
#include "text/ResultGrids.h"
#include "text/WinningNumberText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

// The day of a player, below the windows: add the next draw, paste the results text, transfer,
// save, then evaluate a slip against the new draw.
TEST(TypicalDay, NewDrawPasteTransferSaveEvaluate) {
    QFile csv(QStringLiteral(QV_REAL_DRAWS_CSV));
    if (!csv.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "real draw history not present";
    }
    const QByteArray text = csv.readAll();
    const DrawImport imported = ParseDrawHistory(std::string_view(text.constData(), text.size()));
    ASSERT_TRUE(imported.problems.empty());

    QTemporaryDir dir;
    const std::filesystem::path drawFile = ToPath(dir.filePath(QString::fromLatin1(kDrawFileName)));
    SaveDraws(drawFile, imported.draws);
    const auto before = ReadWholeFile(drawFile);
    ASSERT_TRUE(before);

    const QLocale locale(QLocale::German, QLocale::Germany);
    ProgramState state;
    state.DrawList = LoadDraws(drawFile);
    BuildDerivedArrays(state);
    QStringList drawDates = DrawDateTexts(state.DrawList, 0, locale); // Combo1
    QStringList periodDates = drawDates;                              // ComboBox1 and Combo2

    // "Neue Zahlen": the day after 08.11.2023.
    const NewDrawOutcome added = AddNextDraw(state);
    ASSERT_EQ(added.refusal, nullptr);
    drawDates << FormatDate(added.date, locale);
    EXPECT_EQ(drawDates.back(), QStringLiteral("09.11.2023"));
    EXPECT_EQ(WinningNumbersHint(drawDates.back()), QStringLiteral("Gewinnzahlen gelten für 09.11.2023"));
    EXPECT_STREQ(AddNextDraw(state).refusal, kCompletePreviousText);

    // The pasted page names the date first: the user clears the three date fields before the transfer.
    const QString page = QStringLiteral("Ziehung vom 09.11.2023\n"
                                        "62 5 17 44 29 70 1 38 51 12 9 66 23 40 57 3 31 48 14 35\nPlus 5: 73920");
    QStringList fields = FilterWinningNumbers(page);
    ASSERT_EQ(fields.size(), 20);
    EXPECT_EQ(fields.mid(0, 3), (QStringList{QStringLiteral("09"), QStringLiteral("11"), QStringLiteral("2023")}));
    const TransferPlan plan = PlanTransfer(ToNumberFields(fields));
    EXPECT_EQ(SkippedFieldsText(plan.skipped),
              QStringLiteral("Diese Einträge sind keine Zahlen von 1 bis 70 und wurden nicht übertragen: 09, 2023"
                             "\r\rBitte korrigieren Sie sie und markieren Sie die Zahlen selbst."));
    fields = FilterWinningNumbers(page.section(QLatin1Char('\n'), 1, 1));
    for (int n : PlanTransfer(ToNumberFields(fields)).clicks) {
        ASSERT_NE(ClickNumber(state, n), ClickOutcome::Refused);
    }
    ASSERT_EQ(state.MarkedCount, 20);

    // "Speichern".
    const SaveOutcome saved = SaveMarkedNumbers(state, static_cast<int>(state.DrawList.size()) - 1,
                                                DatesOfTexts(drawDates, state.DrawList, locale, drawFile),
                                                static_cast<int>(periodDates.size()), drawFile);
    ASSERT_TRUE(saved.saved);
    ASSERT_TRUE(saved.addToPeriodLists);
    periodDates << FormatDate(*saved.addToPeriodLists, locale);
    EXPECT_EQ(periodDates.back(), QStringLiteral("09.11.2023"));

    const auto after = ReadWholeFile(drawFile);
    ASSERT_TRUE(after);
    ASSERT_EQ(after->size(), before->size() + 32);
    EXPECT_TRUE(std::equal(before->begin(), before->end(), after->begin()));
    const std::vector<std::uint8_t> record(after->end() - 32, after->end());
    // 09.11.2023 is day 45239: 0x40E6_16E0_0000_0000 little-endian, then the numbers ascending.
    const std::vector<std::uint8_t> expected = {0,  0,  0,  0,  0xE0, 0x16, 0xE6, 0x40, 1,  3,  5,  9,  12, 14, 17, 23,
                                                29, 31, 35, 38, 40,   44,   48,   51,   57, 62, 66, 70, 0,  0,  0,  0};
    EXPECT_EQ(record, expected);

    // Evaluate one slip against the new draw only.
    TSchein slip;
    slip.einsatz = 0;
    slip.Z[0] = {1, 3, 5, 9, 12, 14, 2, 4, 0, 0};
    slip.kenotyp[0] = 8;
    slip.Z[5] = {62, 70};
    slip.kenotyp[5] = 2;
    state.SlipList.push_back(slip);
    const int newest = FindDateEntry(periodDates, QStringLiteral("09.11.2023"));
    const EvaluationRun run = Evaluate(state, {newest, std::nullopt, SlipsToEvaluate(1, 0, false)});
    ASSERT_EQ(run.refusal, nullptr);
    EXPECT_EQ(EvaluationTitle(run.singleDraw, periodDates[run.period.first], periodDates[run.period.Last()]),
              QStringLiteral("Auswertung für den 09.11.2023"));
    ASSERT_EQ(run.results.size(), 1u);
    const auto grid = ResultGridRows(run.results[0].rows, state.DrawList, locale);
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid[0].cells,
              (std::array<QString, 6>{QStringLiteral("09.11.2023"), QStringLiteral("1"), QStringLiteral("8"),
                                      QStringLiteral("6"), QStringLiteral("10,00"), QStringLiteral("10,00")}));
    EXPECT_EQ(grid[0].prizeClass, 9);
    EXPECT_EQ(grid[1].cells[4], QStringLiteral("6,50"));
    EXPECT_EQ(grid[1].cells[5], QStringLiteral("16,50"));
    EXPECT_TRUE(IsHitMarked(run.hitMarks, state.PeriodSets, 62));
    EXPECT_FALSE(IsHitMarked(run.hitMarks, state.PeriodSets, 2));
}

} // namespace
} // namespace qv
