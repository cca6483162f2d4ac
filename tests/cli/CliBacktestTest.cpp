#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
#include "engine/tips/Backtest.h"
#include "support/CliRunner.h"
#include "text/BacktestTexts.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qv {
namespace {

// 30 draws from 1 August 2024 on: draw i holds 1 + i mod 50 to 20 + i mod 50.
std::vector<TGewZahlen> History() {
    std::vector<TGewZahlen> draws;
    for (int i = 0; i < 30; ++i) {
        TGewZahlen draw;
        draw.datum = ToTDate({2024, 8, 1}) + i;
        std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(1 + i % 50));
        draws.push_back(draw);
    }
    return draws;
}

class CliBacktestTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_drawFile = m_dir.filePath(QStringLiteral("draws.tpp"));
        SaveDraws(m_drawFile.toStdString(), History());
    }
    test::CliRun Backtest(QStringList args) const {
        args.prepend(m_drawFile);
        args.prepend(QStringLiteral("--draws"));
        args.prepend(QStringLiteral("backtest"));
        return test::Cli(m_dir, args);
    }

    QTemporaryDir m_dir;
    QString m_drawFile;
};

TEST_F(CliBacktestTest, PrintsTheWindowsTablesForTheRequest) {
    const test::CliRun run = Backtest({"--type", "3", "--window", "5", "--play", "2", "--stake", "2", "--seed", "11"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    const BacktestRequest request{3, 5, 2, 2, 11};
    const BacktestResult expected = RunBacktest(History(), request, MersennePicks());
    const QLocale german(QLocale::German, QLocale::Germany);
    QStringList want{QStringLiteral("24 Tippreihen je Methode, jede aus den 5 Ziehungen davor gebildet und in 2 "
                                    "Ziehungen gespielt, vom 06.08.2024 bis zum 30.08.2024."),
                     QStringLiteral("Tippreihen gebildet\tTippreihen\tEinsatz\tGewinn\tBilanz\tRückfluss")};
    for (const QStringList& row : BacktestRows(expected, german)) {
        want << row.join(QLatin1Char('\t'));
    }
    want << QStringLiteral("Tippreihen gebildet\t0 Treffer\t1 Treffer\t2 Treffer\t3 Treffer");
    for (const QStringList& row : BacktestHitRows(expected, german)) {
        want << row.join(QLatin1Char('\t'));
    }
    want << ExpectedReturnText(3, german) << ChanceNoteText();
    EXPECT_EQ(lines, want);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("nur aus Restanten\t24\t96,00 €\t")));

    // Deterministic with the seed.
    EXPECT_EQ(Backtest({"--type", "3", "--window", "5", "--play", "2", "--stake", "2", "--seed", "11"}).out, run.out);
}

TEST_F(CliBacktestTest, RefusesBadArguments) {
    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"--type", "11"}, 2, "Der KENO-Typ muss zwischen 2 und 10 liegen."},
        {{"--type", "sechs"}, 2, "--type: eine ganze Zahl angeben."},
        {{"--window", "0"}, 2, "Eine Tippreihe braucht mindestens eine Ziehung"},
        {{"--play", "3"}, 2, "nur in 1, 2, 4, 7 oder 14 Ziehungen"},
        {{"--stake", "7"}, 2, "1, 2, 3, 4, 5 oder 10 Euro"},
        {{"--seed", "-1"}, 2, "--seed: eine ganze Zahl ab 0 angeben."},
        {{"--window", "99999999999"}, 2, "--window: eine ganze Zahl angeben."},
        // The default window of 100 draws is longer than the history.
        {{}, 1, "braucht der Rückblick mindestens 101 Ziehungen; vorhanden sind 30."},
        {{"--window", "29", "--play", "2"}, 1, "mindestens 31 Ziehungen; vorhanden sind 30."},
    };
    for (const auto& c : cases) {
        const test::CliRun run = Backtest(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
}

TEST_F(CliBacktestTest, HelpNamesEveryOption) {
    const test::CliRun run = test::Cli(m_dir, {"backtest", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* option : {"--draws", "--type", "--window", "--play", "--stake", "--seed"}) {
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(option))) << option;
    }
}

} // namespace
} // namespace qv
