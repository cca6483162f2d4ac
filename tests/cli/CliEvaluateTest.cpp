#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
#include "engine/core/SlipFile.h"
#include "support/TestSlips.h"
#include "text/DataFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(QV_CLI_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Three draws: 31.07.2024 holds 1 to 20, 01.08.2024 holds 11 to 30, 02.08.2024 holds 51 to 70.
class CliEvaluate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        std::vector<TGewZahlen> draws(3);
        const int firsts[] = {1, 11, 51};
        for (int i = 0; i < 3; ++i) {
            draws[i].datum = ToTDate({2024, 7, 31}) + i;
            for (int p = 0; p < 20; ++p) {
                draws[i].GZ[p] = static_cast<std::uint8_t>(firsts[i] + p);
            }
        }
        SaveDraws(ToPath(DrawFile()), draws);
        WriteSlipFile(ToPath(Path("a.kts")), test::Slip({{1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}, {3, {60, 61}}}, 5));
        WriteSlipFile(ToPath(Path("b.kts")), test::Slip({{4, {21, 22, 23, 24, 25, 26, 27}}}));
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString DrawFile() const { return Path(QStringLiteral("draws.tpp")); }

    QTemporaryDir m_dir;
};

TEST_F(CliEvaluate, PrintsTitleHeadingsAndRowsPerSlip) {
    const CliRun run = RunCli({QStringLiteral("evaluate"), QStringLiteral("--draws"), DrawFile(),
                               QStringLiteral("--from"), QStringLiteral("31.07.2024"), QStringLiteral("--to"),
                               QStringLiteral("#2"), Path(QStringLiteral("a.kts")), Path(QStringLiteral("b.kts"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString expected = QStringLiteral("Auswertung für die Ausspielungen vom 31.07.2024 bis 02.08.2024\n"
                                            "Datum\tFeld\tKeno-Typ\tTreffer\tGewinn\tGesamtgewinn\n"
                                            "31.07.2024\t1\t10\t10\t2.500.000,00\t2.500.000,00\n"
                                            "\t3\t2\t0\t--\t2.500.000,00\n"
                                            "01.08.2024\t1\t10\t0\t30,00\t2.500.030,00\n"
                                            "\t3\t2\t0\t--\t2.500.030,00\n"
                                            "02.08.2024\t1\t10\t0\t30,00\t2.500.060,00\n"
                                            "\t3\t2\t2\t65,00\t2.500.125,00\n"
                                            // Two fields in three draws at 10 euros.
                                            "Einsatz: 60,00 €   Gewinne: 2.500.125,00 €   Bilanz: +2.500.065,00 €\n"
                                            "\n"
                                            "Auswertung für die Ausspielungen vom 31.07.2024 bis 02.08.2024\n"
                                            "Datum\tFeld\tKeno-Typ\tTreffer\tGewinn\tGesamtgewinn\n"
                                            "31.07.2024\t4\t7\t0\t3,00\t3,00\n"
                                            "01.08.2024\t4\t7\t7\t3.000,00\t3.003,00\n"
                                            "02.08.2024\t4\t7\t0\t3,00\t3.006,00\n"
                                            "Einsatz: 3,00 €   Gewinne: 3.006,00 €   Bilanz: +3.003,00 €\n");
    EXPECT_EQ(run.out.toStdString(), expected.toStdString());
}

TEST_F(CliEvaluate, SingleDrawAndAnOldSlipInTheCurrentLayout) {
    // The older 96-byte layout: numbers of field 1 at 0, counts of fields 1 to 5 at 80, stake index at 88.
    QByteArray old(96, '\0');
    old[0] = 11;
    old[1] = 12;
    old[80] = 2;
    old[88] = 1; // 2 euros
    QFile file(Path(QStringLiteral("alt.kts")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    file.close();

    const CliRun run = RunCli({QStringLiteral("evaluate"), QStringLiteral("--draws"), DrawFile(),
                               QStringLiteral("--from"), QStringLiteral("#1"), Path(QStringLiteral("alt.kts"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Auswertung für den 01.08.2024\nDatum\tFeld\tKeno-Typ\tTreffer\tGewinn\t"
                                      "Gesamtgewinn\n01.08.2024\t1\t2\t2\t13,00\t13,00\n"
                                      "Einsatz: 2,00 €   Gewinne: 13,00 €   Bilanz: +11,00 €\n"))
        << run.out.toStdString();
}

// Every command that reads slips refuses a missing file and one that holds no slip, naming the file,
// and prints no result.
TEST_F(CliEvaluate, SlipFilesThatAreMissingOrNoSlipAreRefused) {
    const auto write = [this](const QString& name, const TSchein& slip) {
        WriteSlipFile(ToPath(Path(name)), slip);
        return Path(name);
    };
    TSchein type255 = test::Slip({{1, {1, 2}}});
    type255.kenotyp[0] = 255;
    QByteArray noise(90, '\0');
    for (int i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>(i * 37 + 11);
    }
    QFile noiseFile(Path(QStringLiteral("rauschen.kts")));
    ASSERT_TRUE(noiseFile.open(QIODevice::WriteOnly) && noiseFile.write(noise) == noise.size());
    noiseFile.close();
    struct Case {
        QString file;
        const char* message;
    };
    const Case cases[] = {
        {Path(QStringLiteral("fehlt.kts")), "gibt es nicht."},
        {Path(QStringLiteral("rauschen.kts")), "rauschen.kts“ ist kein gültiger Spielschein (Feld 1: Keno-Typ 229"},
        {write(QStringLiteral("typ.kts"), type255), "typ.kts“ ist kein gültiger Spielschein (Feld 1: Keno-Typ 255"},
        {write(QStringLiteral("zahl.kts"), test::Slip({{2, {5, 71}}})), "(Feld 2: die Zahl 71 liegt nicht"},
        {write(QStringLiteral("einsatz.kts"), test::Slip({{1, {5, 7}}}, 9)), "(Einsatz: der Wert 9 steht für"},
    };
    for (const Case& c : cases) {
        const QStringList commands[] = {
            {QStringLiteral("evaluate"), QStringLiteral("--draws"), DrawFile(), QStringLiteral("--from"),
             QStringLiteral("#1"), Path(QStringLiteral("a.kts")), c.file},
            {QStringLiteral("slip"), QStringLiteral("show"), c.file},
            {QStringLiteral("print"), QStringLiteral("--slips"), c.file, QStringLiteral("--pdf"),
             Path(QStringLiteral("bogen.pdf"))},
        };
        for (const QStringList& args : commands) {
            SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(QFileInfo(c.file).fileName())) << run.err.toStdString();
            EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("bogen.pdf"))));
}

// A record that holds no draw of the game is left out by every command that counts draws, and said so.
TEST_F(CliEvaluate, EveryReaderOfTheHistoryLeavesOutAnInvalidRecordAndSaysSo) {
    std::vector<TGewZahlen> draws = LoadDraws(ToPath(DrawFile()));
    TGewZahlen fives;
    fives.datum = draws.back().datum + 1;
    std::fill_n(fives.GZ.begin(), 20, 5);
    draws.insert(draws.begin() + 1, fives);
    const QString file = Path(QStringLiteral("ungueltig.tpp"));
    SaveDraws(ToPath(file), draws);
    const QString note =
        QStringLiteral("1 ungültige Ziehung (nicht 20 verschiedene Zahlen von 1 bis 70) wurde ausgelassen.\n");
    const QStringList draw{QStringLiteral("--draws"), file};
    const QStringList everything{QStringLiteral("--from"), QStringLiteral("#0"), QStringLiteral("--to"),
                                 QStringLiteral("#3")};

    const CliRun evaluate = RunCli(QStringList{QStringLiteral("evaluate")} + draw + everything +
                                   QStringList{Path(QStringLiteral("b.kts"))});
    EXPECT_EQ(evaluate.exitCode, 0) << evaluate.err.toStdString();
    EXPECT_EQ(evaluate.err, note);
    EXPECT_FALSE(evaluate.out.contains(QStringLiteral("03.08.2024"))) << evaluate.out.toStdString();

    for (const QStringList& args :
         {QStringList{QStringLiteral("stats")} + draw + everything,
          QStringList{QStringLiteral("tips"), QStringLiteral("--type"), QStringLiteral("5"), QStringLiteral("--method"),
                      QStringLiteral("favoriten"), QStringLiteral("--seed"), QStringLiteral("1")} +
              draw + everything,
          QStringList{QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("2")} + draw + everything}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(run.err, note) << args.join(' ').toStdString();
    }
    const CliRun stats = RunCli(QStringList{QStringLiteral("stats")} + draw + everything);
    EXPECT_TRUE(stats.out.startsWith(QStringLiteral("Der Auswertungszeitraum umfasst 3 Ausspielungen")))
        << stats.out.toStdString();

    const CliRun list = RunCli({QStringLiteral("draws"), QStringLiteral("list"), file});
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\t5\tungültige Ziehung"))) << lines[1].toStdString();
    EXPECT_FALSE(lines[0].contains(QStringLiteral("ungültig")));
}

TEST_F(CliEvaluate, RefusesABadPeriodAndWrongUsage) {
    const QString periodError = QStringLiteral(
        "Bitte korrigieren Sie die Angaben für den Auswertungszeitraum.\n\nIch breche erst einmal ab.\n");
    struct Case {
        const char* name;
        QStringList args;
        int exitCode;
    };
    const QString slip = Path(QStringLiteral("a.kts"));
    const std::vector<Case> cases = {
        {"to before from",
         {QStringLiteral("--from"), QStringLiteral("#2"), QStringLiteral("--to"), QStringLiteral("#1"), slip},
         1},
        {"a date that is no entry", {QStringLiteral("--from"), QStringLiteral("30.07.2024"), slip}, 1},
        {"an index beyond the history", {QStringLiteral("--from"), QStringLiteral("#3"), slip}, 1},
    };
    for (const Case& c : cases) {
        const CliRun run =
            RunCli(QStringList{QStringLiteral("evaluate"), QStringLiteral("--draws"), DrawFile()} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.err, periodError) << c.name;
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
    }
    EXPECT_EQ(RunCli({QStringLiteral("evaluate"), QStringLiteral("--draws"), DrawFile(), slip}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("evaluate"), QStringLiteral("--draws"), DrawFile(), QStringLiteral("--from"),
                      QStringLiteral("#0")})
                  .exitCode,
              2);
}

// Eight fields over the last 3,650 draws of the real history.
TEST(CliEvaluateRealHistory, EightFieldsOverTenYears) {
    if (!QFile::exists(QStringLiteral(QV_REAL_DRAWS_CSV))) {
        GTEST_SKIP() << "real draw history not present";
    }
    QTemporaryDir dir;
    const QString drawFile = dir.filePath(QStringLiteral("draws.tpp"));
    ASSERT_EQ(RunCli({QStringLiteral("draws"), QStringLiteral("import"), QStringLiteral(QV_REAL_DRAWS_CSV),
                      QStringLiteral("--into"), drawFile})
                  .exitCode,
              0);
    const auto draws = LoadDraws(ToPath(drawFile));
    ASSERT_EQ(draws.size(), 6884u);

    // The first draw, 2004-02-02: 4 6 8 24 25 27 28 29 31 37 40 41 43 49 50 54 55 56 64 66.
    const QString first = dir.filePath(QStringLiteral("first.kts"));
    WriteSlipFile(ToPath(first), test::Slip({{1, {4, 6, 8, 24, 25, 27, 28, 29, 31, 37}}}, 5));
    const CliRun top = RunCli({QStringLiteral("evaluate"), QStringLiteral("--draws"), drawFile,
                               QStringLiteral("--from"), QStringLiteral("02.02.2004"), first});
    EXPECT_EQ(top.out, QStringLiteral("Auswertung für den 02.02.2004\nDatum\tFeld\tKeno-Typ\tTreffer\tGewinn\t"
                                      "Gesamtgewinn\n02.02.2004\t1\t10\t10\t2.500.000,00\t2.500.000,00\n"
                                      "Einsatz: 10,00 €   Gewinne: 2.500.000,00 €   Bilanz: +2.499.990,00 €\n"));

    std::vector<std::pair<int, std::vector<int>>> fields;
    for (int f = 1; f <= 8; ++f) {
        std::vector<int> numbers;
        for (int p = 0; p < f + 2 && p < 10; ++p) {
            numbers.push_back(1 + (f * 7 + p * 11) % 70);
        }
        fields.emplace_back(f, numbers);
    }
    const QString eight = dir.filePath(QStringLiteral("eight.kts"));
    WriteSlipFile(ToPath(eight), test::Slip(fields));
    QElapsedTimer timer;
    timer.start();
    const CliRun run =
        RunCli({QStringLiteral("evaluate"), QStringLiteral("--draws"), drawFile, QStringLiteral("--from"),
                QStringLiteral("#3234"), QStringLiteral("--to"), QStringLiteral("#6883"), eight});
    const qint64 elapsed = timer.elapsed();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 8 * 3650 + 1);
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Einsatz: 29.200,00 €   Gewinne: ")))
        << lines.last().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Auswertung für die Ausspielungen vom ") + lines[2].section('\t', 0, 0) +
                            QStringLiteral(" bis 08.11.2023"));
    int dated = 0;
    for (qsizetype i = 2; i + 1 < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 6);
        EXPECT_EQ(cells[1].toInt(), 1 + (i - 2) % 8);
        dated += cells[0].isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(dated, 3650);
    std::cerr << "evaluate: 8 fields x 3650 draws in " << elapsed << " ms (process included)\n";
}

} // namespace
} // namespace qv
