#include "support/CliRunner.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using qv::test::Cli;
using qv::test::CliRun;
using qv::test::ReadFile;
using qv::test::WriteFile;

const QByteArray kDraw1 = "2004-02-02;4;6;8;24;25;27;28;29;31;37;40;41;43;49;50;54;55;56;64;66\n";
const QByteArray kDraw2 = "03.02.2004,8,10,11,15,19,27,31,35,37,43,50,51,52,57,60,61,65,66,69,70\n";

TEST(CliDraws, RealHistoryImportsAndListsBackIdentically) {
    QFile csv(QStringLiteral(QV_REAL_DRAWS_CSV));
    if (!csv.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "real draw history not found";
    }
    const QStringList csvLines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    QTemporaryDir home;
    const CliRun import = Cli(home, {QStringLiteral("draws"), QStringLiteral("import"), csv.fileName()});
    ASSERT_EQ(import.exitCode, 0) << import.err.toStdString();
    const QString drawFile = home.filePath(QStringLiteral("Quovadra/BelgienKenoZahlen.tpp"));
    EXPECT_EQ(QFileInfo(drawFile).size(), 6884 * 32);

    const CliRun list = Cli(home, {QStringLiteral("draws"), QStringLiteral("list")});
    ASSERT_EQ(list.exitCode, 0);
    const QStringList listed = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 6884);
    for (int i = 0; i < listed.size(); ++i) {
        QStringList cells = listed[i].split(QLatin1Char('\t'));
        const QDate date = QDate::fromString(cells[0], QStringLiteral("dd.MM.yyyy"));
        cells[0] = date.toString(Qt::ISODate);
        ASSERT_EQ(cells.join(QLatin1Char(';')), csvLines[i + 1].trimmed()) << "line " << i + 2;
    }
    EXPECT_EQ(listed[999].left(10), QStringLiteral("12.04.2007")); // the 1,000th draw
}

TEST(CliDraws, AddsOnlyMissingDaysUnlessReplacing) {
    QTemporaryDir home;
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    const QString first = WriteFile(home, QStringLiteral("a.csv"), "Datum;Zahlen\n" + kDraw1);
    const QString both = WriteFile(home, QStringLiteral("b.csv"), kDraw1 + kDraw2);
    const auto import = [&](const QString& source, QStringList extra = {}) {
        return Cli(home, QStringList{QStringLiteral("draws"), QStringLiteral("import"), source,
                                     QStringLiteral("--into"), drawFile} +
                             extra);
    };

    const CliRun one = import(first);
    ASSERT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.err.contains(QStringLiteral(": 1 Ziehung übernommen, 1 Ziehung in der Datei.")))
        << one.err.toStdString();
    const CliRun two = import(both);
    ASSERT_EQ(two.exitCode, 0);
    EXPECT_TRUE(two.err.contains(QStringLiteral(": 1 Ziehung übernommen, 2 Ziehungen in der Datei.")))
        << two.err.toStdString();
    EXPECT_EQ(QFileInfo(drawFile).size(), 64);
    // A day before the newest that the history lacks goes to its place; a known day with other numbers
    // is named and left as it is.
    const QString older = WriteFile(home, QStringLiteral("c.csv"),
                                    "01.02.2004;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20\n"
                                    "02.02.2004;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20\n");
    const CliRun filled = import(older);
    ASSERT_EQ(filled.exitCode, 0);
    EXPECT_TRUE(filled.err.contains(QStringLiteral("02.02.2004 steht schon mit anderen Zahlen")))
        << filled.err.toStdString();
    EXPECT_EQ(QFileInfo(drawFile).size(), 96);
    EXPECT_TRUE(Cli(home, {QStringLiteral("draws"), QStringLiteral("list"), drawFile})
                    .out.startsWith(QStringLiteral("01.02.2004\t1\t")));
    ASSERT_EQ(import(both, {QStringLiteral("--replace"), QStringLiteral("--force")}).exitCode, 0);
    EXPECT_EQ(QFileInfo(drawFile).size(), 64);
}

// Replacing the history by a shorter one needs --force; every replaced history stays beside it as a
// backup named after the day.
TEST(CliDraws, ReplacingKeepsABackupAndTakesAShorterHistoryOnlyWithForce) {
    QTemporaryDir home;
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    const QString one = WriteFile(home, QStringLiteral("a.csv"), kDraw1);
    const QString both = WriteFile(home, QStringLiteral("b.csv"), kDraw1 + kDraw2);
    const auto replace = [&](const QString& source, QStringList extra = {}) {
        return Cli(home, QStringList{QStringLiteral("draws"), QStringLiteral("import"), source,
                                     QStringLiteral("--into"), drawFile, QStringLiteral("--replace")} +
                             extra);
    };
    ASSERT_EQ(replace(both).exitCode, 0); // nothing to keep yet
    const QByteArray two = ReadFile(drawFile);
    ASSERT_EQ(two.size(), 64);

    const CliRun shorter = replace(one);
    EXPECT_EQ(shorter.exitCode, 1);
    EXPECT_EQ(shorter.err, QStringLiteral("%1 hält 2 Ziehungen, %2 nur 1 Ziehung; durch weniger Ziehungen wird sie nur "
                                          "mit --force ersetzt. Die Ziehungsdatei bleibt unverändert.\n")
                               .arg(drawFile, one));
    EXPECT_EQ(ReadFile(drawFile), two);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 3) << "a backup made for nothing";

    const QString day = QDate::currentDate().toString(Qt::ISODate);
    const QString backup = home.filePath(QStringLiteral("x-%1.tpp").arg(day));
    const CliRun forced = replace(one, {QStringLiteral("--force")});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(
        forced.err.startsWith(QStringLiteral("Die bisherige Ziehungsdatei bleibt als %1 erhalten.\n").arg(backup)))
        << forced.err.toStdString();
    EXPECT_EQ(ReadFile(backup), two);
    EXPECT_EQ(QFileInfo(drawFile).size(), 32);

    // A second replacement the same day keeps the first backup and makes one more.
    ASSERT_EQ(replace(both).exitCode, 0);
    EXPECT_EQ(ReadFile(backup), two);
    EXPECT_EQ(QFileInfo(home.filePath(QStringLiteral("x-%1-2.tpp").arg(day))).size(), 32);
}

// An import that would pass the limit a draw file may hold is refused: nothing written, no backup.
TEST(CliDraws, AnImportBeyondTheDrawLimitIsRefused) {
    QTemporaryDir home;
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    QFile full(drawFile);
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    ASSERT_TRUE(full.resize(100000LL * 32)); // 100,000 draws of day 0 (30.12.1899)
    full.close();
    const QString next = WriteFile(home, QStringLiteral("a.csv"), kDraw1);
    const CliRun run =
        Cli(home, {QStringLiteral("draws"), QStringLiteral("import"), next, QStringLiteral("--into"), drawFile});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Die Ziehungsdatei „%1“ würde mit 100001 Ziehungen mehr als 100000 halten und "
                                      "könnte nicht mehr gelesen werden; sie wird nicht gespeichert und bleibt "
                                      "unverändert.\n")
                           .arg(drawFile));
    EXPECT_EQ(QFileInfo(drawFile).size(), 100000LL * 32);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 2) << "temporary file or backup left";
}

TEST(CliDraws, BadLinesAreReportedAndNothingIsWritten) {
    QTemporaryDir home;
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    const QString good = WriteFile(home, QStringLiteral("good.csv"), kDraw1);
    ASSERT_EQ(Cli(home, {QStringLiteral("draws"), QStringLiteral("import"), good, QStringLiteral("--into"), drawFile})
                  .exitCode,
              0);
    const QByteArray before = ReadFile(drawFile);

    const QString bad = WriteFile(home, QStringLiteral("bad.csv"),
                                  kDraw2 + "2004-02-04;1;2;3\n2004-02-05;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;"
                                           "18;19;99\n");
    const CliRun run =
        Cli(home, {QStringLiteral("draws"), QStringLiteral("import"), bad, QStringLiteral("--into"), drawFile});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(bad + QStringLiteral(":2: 3 Zahlen statt 20"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(bad + QStringLiteral(":3: "))) << run.err.toStdString();
    EXPECT_EQ(ReadFile(drawFile), before);
}

TEST(CliDraws, ReplacingWithNothingIsRefusedAndKeepsTheHistory) {
    QTemporaryDir home;
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    const QString good = WriteFile(home, QStringLiteral("good.csv"), kDraw1 + kDraw2);
    ASSERT_EQ(Cli(home, {QStringLiteral("draws"), QStringLiteral("import"), good, QStringLiteral("--into"), drawFile})
                  .exitCode,
              0);
    const QByteArray before = ReadFile(drawFile);
    ASSERT_EQ(before.size(), 64);

    for (const QByteArray& empty :
         {QByteArray(), QByteArray("Datum;Zahlen\n"), QByteArray("\r\r\r"), QByteArray("\n\n  \n")}) {
        const QString source = WriteFile(home, QStringLiteral("empty.csv"), empty);
        const CliRun run = Cli(home, {QStringLiteral("draws"), QStringLiteral("import"), source,
                                      QStringLiteral("--into"), drawFile, QStringLiteral("--replace")});
        EXPECT_EQ(run.exitCode, 1) << empty.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("keine Ziehung gefunden"))) << run.err.toStdString();
        EXPECT_EQ(ReadFile(drawFile), before) << empty.toStdString();
    }
}

// Unreadable, odd and oversized inputs: a German sentence saying what failed, exit 1, nothing written.
TEST(CliDraws, OddInputsAreRefusedWithAMessage) {
    QTemporaryDir home;
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("ordner.tpp")));
    QFile big(home.filePath(QStringLiteral("gross.tpp")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(100001LL * 32)); // one draw more than any history may hold
    big.close();
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{QStringLiteral("draws"), QStringLiteral("import"), QStringLiteral("/dev/zero"), QStringLiteral("--into"),
          drawFile},
         "keine gewöhnliche Datei"},
        {{QStringLiteral("draws"), QStringLiteral("import"), home.path(), QStringLiteral("--into"), drawFile},
         "ist ein Ordner"},
        {{QStringLiteral("draws"), QStringLiteral("list"), home.filePath(QStringLiteral("ordner.tpp"))},
         "ist ein Ordner"},
        {{QStringLiteral("draws"), QStringLiteral("list"), big.fileName()}, "mehr als 100000 Ziehungen"},
        {{QStringLiteral("evaluate"), QStringLiteral("--draws"), big.fileName(), QStringLiteral("--from"),
          QStringLiteral("01.01.2024"), QStringLiteral("x.kts")},
         "mehr als 100000 Ziehungen"},
        {{QStringLiteral("slip"), QStringLiteral("show"), QStringLiteral("/dev/zero")}, "keine gewöhnliche Datei"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(home, c.args);
        EXPECT_EQ(run.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QStringLiteral("Is a directory"))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(drawFile));
}

TEST(CliDraws, UsageAndHelp) {
    QTemporaryDir home;
    EXPECT_EQ(Cli(home, {}).exitCode, 2);
    EXPECT_EQ(Cli(home, {QStringLiteral("draws"), QStringLiteral("import")}).exitCode, 2);
    EXPECT_EQ(Cli(home, {QStringLiteral("draws"), QStringLiteral("list"), QStringLiteral("--bogus")}).exitCode, 2);
    EXPECT_EQ(Cli(home, {QStringLiteral("nonsense")}).exitCode, 2);
    for (const QString& command :
         {QStringLiteral("draws import"), QStringLiteral("draws list"), QStringLiteral("slip show")}) {
        const CliRun help = Cli(home, command.split(QLatin1Char(' ')) << QStringLiteral("--help"));
        EXPECT_EQ(help.exitCode, 0) << command.toStdString();
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf: quovadra-cli ") + command));
    }
}

TEST(CliSlip, ShowsNameStakeDrawsAndFields) {
    QTemporaryDir home;
    QByteArray record(90, '\0');
    record[40] = 12; // field 5: 12, 7, 33
    record[41] = 7;
    record[42] = 33;
    record[80] = 5; // 10 euros
    record[81] = 3; // 7 draws
    record[86] = 3;
    const QString path = WriteFile(home, QStringLiteral("Mein Schein.kts"), record);

    const CliRun run = Cli(home, {QStringLiteral("slip"), QStringLiteral("show"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Mein Schein\nEinsatz pro Tipp\t10 €\nZiehungen\t7\n5\t3\t12\t7\t33\n"));

    const CliRun missing = Cli(home, {QStringLiteral("slip"), QStringLiteral("show"), home.filePath("fehlt.kts")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("fehlt.kts")));
}

} // namespace
