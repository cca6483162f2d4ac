#include "support/CliRunner.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using qv::test::Cli;
using qv::test::CliRun;
using qv::test::ReadFile;
using qv::test::WriteFile;

QStringList Args(const QString& file, const QString& as, const QStringList& more) {
    return QStringList{QStringLiteral("slips"), QStringLiteral("from-text"), file, QStringLiteral("--as"), as} + more;
}

TEST(CliSlips, TextRowsBecomeNumberedSlipFiles) {
    QTemporaryDir home;
    QByteArray text;
    for (int r = 1; r <= 9; ++r) {
        text += QByteArray::number(r) + " " + QByteArray::number(r + 30) + "\n";
    }
    const QString rows = WriteFile(home, QStringLiteral("Reihen.txt"), text);
    const QString as = home.filePath(QStringLiteral("Woche.kts"));

    const CliRun run = Cli(home, Args(rows, as,
                                      {QStringLiteral("--draw-count"), QStringLiteral("14"), QStringLiteral("--stake"),
                                       QStringLiteral("10")}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, home.filePath(QStringLiteral("Woche-1.kts")) + QLatin1Char('\n') +
                           home.filePath(QStringLiteral("Woche-2.kts")) + QStringLiteral("\n2 Dateien gespeichert\n"));
    QByteArray second(90, 0);
    second[0] = 9;
    second[1] = 39;
    second[80] = 5;
    second[81] = 4;
    second[82] = 2;
    EXPECT_EQ(ReadFile(home.filePath(QStringLiteral("Woche-2.kts"))), second);
}

TEST(CliSlips, RefusalsPrintTheWindowsMessage) {
    QTemporaryDir home;
    const QString rows = WriteFile(home, QStringLiteral("Reihen.csv"), "3, 15, 27\n");
    const QString as = home.filePath(QStringLiteral("Komma.kts"));
    const CliRun missing = Cli(home, Args(rows, as, {}));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err,
              QStringLiteral(
                  "Es fehlt eine Angabe für die Anzahl der Ziehungen für Feld 1.\n\nIch breche erst einmal ab.\n"));
    const CliRun space = Cli(home, Args(rows, as,
                                        {QStringLiteral("--draw-count"), QStringLiteral("1"), QStringLiteral("--stake"),
                                         QStringLiteral("1")}));
    EXPECT_EQ(space.exitCode, 1);
    EXPECT_EQ(space.err, QStringLiteral("' ' in Feld 1 ist keine Zahl von 1 bis 70.\n\nIch breche erst einmal ab.\n"));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("Komma-1.kts"))));
}

// The draw count and stake for every slip.
const QStringList kOneDrawOneEuro{QStringLiteral("--draw-count"), QStringLiteral("1"), QStringLiteral("--stake"),
                                  QStringLiteral("1")};

// The files of a save land together or not at all: one that cannot be replaced keeps the others old too.
TEST(CliSlips, AFileThatCannotBeWrittenLeavesTheWholeBatchUnchanged) {
    QTemporaryDir home;
    QByteArray text;
    for (int r = 1; r <= 17; ++r) {
        text += QByteArray::number(r) + " " + QByteArray::number(r + 30) + "\n";
    }
    const QString rows = WriteFile(home, QStringLiteral("Reihen.txt"), text);
    const QString first = WriteFile(home, QStringLiteral("Woche-1.kts"), "alt");
    const QString third = WriteFile(home, QStringLiteral("Woche-3.kts"), "alt");
    ASSERT_TRUE(QFile::setPermissions(third, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    const CliRun run = Cli(home, Args(rows, home.filePath(QStringLiteral("Woche.kts")), kOneDrawOneEuro));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Die Datei „%1“ wird nicht gespeichert: Sie ist schreibgeschützt. Die alte Datei "
                                      "bleibt unverändert. Keine der 3 Dateien wurde verändert.\n")
                           .arg(third));
    EXPECT_EQ(ReadFile(first), "alt");
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("Woche-2.kts"))));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files).size(), 3) << "temporary file left";
}

// The same reader as the tip-row window: a trailing line of separators only is no row, and a file
// larger than the window takes is refused.
TEST(CliSlips, TheTextIsReadAsTheTipRowWindowReadsIt) {
    QTemporaryDir home;
    const QString rows = WriteFile(home, QStringLiteral("Reihen.csv"), "3;15;27\n;\n");
    const CliRun run = Cli(home, Args(rows, home.filePath(QStringLiteral("S.kts")), kOneDrawOneEuro));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("Eine Dateie gespeichert\n"))) << run.out.toStdString();

    const QString big = WriteFile(home, QStringLiteral("Gross.txt"), QByteArray(1024 * 1024 + 1, '7'));
    const CliRun refused = Cli(home, Args(big, home.filePath(QStringLiteral("G.kts")), kOneDrawOneEuro));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("zu groß für eine Liste von Tippreihen")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("G-1.kts"))));
}

} // namespace
