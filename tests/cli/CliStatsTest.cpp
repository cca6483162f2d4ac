#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qv::test {
namespace {

TGewZahlen RunFrom(int day, int from) {
    TGewZahlen draw;
    draw.datum = ToTDate({2024, 8, day});
    std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(from));
    return draw;
}

class CliStatsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_draws = m_dir.filePath(QStringLiteral("draws.tpp")).toStdString();
        // 1..20, 11..30, 21..40
        SaveDraws(m_draws, std::vector<TGewZahlen>{RunFrom(1, 1), RunFrom(2, 11), RunFrom(3, 21)});
    }
    CliRun Stats(QStringList args) const {
        args.prepend(QString::fromStdString(m_draws.string()));
        args.prepend(QStringLiteral("--draws"));
        args.prepend(QStringLiteral("stats"));
        return Cli(m_dir, args);
    }

    QTemporaryDir m_dir;
    std::filesystem::path m_draws;
};

TEST_F(CliStatsTest, PrintsWhatTheWindowShows) {
    const CliRun run =
        Stats({QStringLiteral("--from"), QStringLiteral("#1"), QStringLiteral("--to"), QStringLiteral("03.08.2024")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 7 + 7 + 1 + 70);
    EXPECT_EQ(lines[0], QStringLiteral("Der Auswertungszeitraum umfasst 2 Ausspielungen"));
    EXPECT_EQ(lines[1], QStringLiteral("P = 0,6"));
    EXPECT_EQ(lines.mid(2, 7), QStringList({"T1\t3", "T2\t2", "T3\t1", "T4\t0", "T5\t0", "T6\t0", "T7\t-1"}));
    EXPECT_EQ(lines.mid(9, 7), QStringList({"PAbw1\tirrelevant", "PAbw2\tirrelevant", "PAbw3\tirrelevant",
                                            "PAbw4\t0 - 0", "PAbw5\t1 - 1", "PAbw6\t2 - 3", "PAbw7\t> 3"}));
    EXPECT_EQ(lines[17], QStringLiteral("1\t1\t0\t2\t4")) << "slot, number, frequency, absence, class";
    EXPECT_EQ(lines[17 + 20], QStringLiteral("21\t21\t2\t0\t2"));
}

TEST_F(CliStatsTest, OrdersByFrequencyOrAbsence) {
    CliRun run = Stats({QStringLiteral("--order"), QStringLiteral("1")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines[0], QStringLiteral("Der Auswertungszeitraum umfasst 3 Ausspielungen"));
    EXPECT_EQ(lines[17], QStringLiteral("1\t11\t2\t1\t3")) << "11..30 drawn twice come first, ascending";
    run = Stats({QStringLiteral("--order"), QStringLiteral("2")});
    lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines[17], QStringLiteral("1\t41\t0\t3\t4")) << "never drawn: absence N, first";
}

TEST_F(CliStatsTest, CountsDrawsFromZeroAsTheOtherCommands) {
    const CliRun run =
        Stats({QStringLiteral("--from"), QStringLiteral("#0"), QStringLiteral("--to"), QStringLiteral("#1")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines[0], QStringLiteral("Der Auswertungszeitraum umfasst 2 Ausspielungen"));
    EXPECT_EQ(lines[17], QStringLiteral("1\t1\t1\t1\t3")) << "1..20 drawn in the first of the two draws";
}

TEST_F(CliStatsTest, RefusesAPeriodOfOneDrawAndBadArguments) {
    CliRun run = Stats({QStringLiteral("--from"), QStringLiteral("#2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Bitte korrigieren Sie die Angaben für den Auswertungszeitraum.")));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(Stats({QStringLiteral("--order"), QStringLiteral("3")}).exitCode, 2);
    for (const QString& text : {QStringLiteral("#3"), QStringLiteral("#-1"), QStringLiteral("gestern")}) {
        run = Stats({QStringLiteral("--to"), text});
        EXPECT_EQ(run.exitCode, 1) << text.toStdString();
        EXPECT_EQ(run.err.trimmed(), text + QStringLiteral(": keine Ziehung der Datei (Datum oder #0 bis #2)."));
    }
}

TEST_F(CliStatsTest, SignificancePrintsSigmaChiSquareAndTheirMeaning) {
    // Counts 1 (1..10, 31..40), 2 (11..30) and 0 over 3 draws: mean 6/7, σ = √(30/49).
    const CliRun run = Stats({QStringLiteral("--significance"), QStringLiteral("--order"), QStringLiteral("1")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 4 + 1 + 70);
    EXPECT_EQ(lines[0], QStringLiteral("Der Auswertungszeitraum umfasst 3 Ausspielungen"));
    EXPECT_EQ(lines[1], QStringLiteral("Bei 3 Ziehungen erwartet je Zahl 0,9 Treffer, σ = 0,78."));
    // Pearson: (340/7) / (6/7) = 56,67; × 69/50.
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("χ² = 78,20 bei 69 Freiheitsgraden"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("in diesem Zeitraum sind es 0.")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Für den χ²-Test sind es zu wenige Ziehungen")));
    EXPECT_EQ(lines[5], QStringLiteral("Platz\tZahl\tHäufigkeit\tAbweichung (σ)"));
    EXPECT_EQ(lines[6], QStringLiteral("1\t11\t2\t+1,46"));
    EXPECT_EQ(lines[6 + 20], QStringLiteral("21\t1\t1\t+0,18"));
    EXPECT_EQ(lines[6 + 69], QStringLiteral("70\t70\t0\t-1,10"));
}

} // namespace
} // namespace qv::test
