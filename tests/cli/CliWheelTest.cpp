#include "support/CliRunner.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::Cli;
using test::CliRun;
using test::WriteFile;

// The twelve lines of the affine plane of order 3 over the numbers 1 to 9: every pair in exactly one.
const QByteArray kAffinePlane = "1 2 3\n4 5 6\n7 8 9\n1 4 7\n2 5 8\n3 6 9\n1 5 9\n2 6 7\n3 4 8\n1 6 8\n2 4 9\n3 5 7\n";

class CliWheelTest : public ::testing::Test {
protected:
    CliRun Wheel(const QStringList& args) const { return Cli(m_home, QStringList{QStringLiteral("wheel")} + args); }
    QTemporaryDir m_home;
};

TEST_F(CliWheelTest, CheckProvesAWheelAndNamesAPairThatAShortenedOneMisses) {
    const QStringList guarantee = {QStringLiteral("--pool"), QStringLiteral("1,2,3,4,5,6,7,8,9"),
                                   QStringLiteral("--if"),   QStringLiteral("2"),
                                   QStringLiteral("--hits"), QStringLiteral("2")};
    CliRun run = Wheel(
        QStringList{QStringLiteral("--check"), WriteFile(m_home, QStringLiteral("all.txt"), kAffinePlane)} + guarantee);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Bewiesen: Wenn mindestens 2 der 20 gezogenen Zahlen unter Ihren 9 Zahlen sind, "
                                      "hat mindestens eine Reihe 2 Treffer.\n"));

    // Without its first line, only the pairs of 1, 2 and 3 lie in no row.
    const QString shortened = WriteFile(m_home, QStringLiteral("short.txt"), kAffinePlane.mid(6));
    run = Wheel(QStringList{QStringLiteral("--check"), shortened} + guarantee);
    EXPECT_EQ(run.exitCode, 1);
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Nicht garantiert: Werden ([123]) und ([123]) gezogen, hat keine Reihe 2 "
                                          "Treffer.\n$"))
            .match(run.out);
    EXPECT_TRUE(match.hasMatch()) << run.out.toStdString();
}

TEST_F(CliWheelTest, PrintsProvenRowsThenTheFigures) {
    const CliRun run =
        Wheel({QStringLiteral("--pool"), QStringLiteral("1,2,3,4,5,6,7,8,9"), QStringLiteral("--type"),
               QStringLiteral("3"), QStringLiteral("--if"), QStringLiteral("2"), QStringLiteral("--hits"),
               QStringLiteral("2"), QStringLiteral("--steps"), QStringLiteral("20000"), QStringLiteral("--stake"),
               QStringLiteral("2"), QStringLiteral("--draw-count"), QStringLiteral("7")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    // The smallest such system has twelve rows; the rows alone, written to a file, pass the check.
    for (int r = 0; r < 12; ++r) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d \\d \\d$")).match(lines[r]).hasMatch()) << r;
    }
    EXPECT_EQ(lines[12], QString());
    EXPECT_TRUE(lines[13].startsWith(QStringLiteral("Bewiesen: ")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Reihen\t12")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Einsatz je Ziehung\t24,00 €")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Einsatz für 7 Ziehungen\t168,00 €")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Untere Schranke\t12 (kein System dieser Garantie hat weniger Reihen)")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Ein System verteilt denselben erwarteten Verlust auf mehr Reihen; an der "
                                      "Gewinnchance je eingesetztem Euro ändert es nichts.")));
    const QString rows = QStringList(lines.mid(0, 12)).join(QLatin1Char('\n')) + QLatin1Char('\n');
    const CliRun check = Wheel({QStringLiteral("--check"), WriteFile(m_home, QStringLiteral("r.txt"), rows.toUtf8()),
                                QStringLiteral("--pool"), QStringLiteral("1,2,3,4,5,6,7,8,9"), QStringLiteral("--if"),
                                QStringLiteral("2"), QStringLiteral("--hits"), QStringLiteral("2")});
    EXPECT_EQ(check.exitCode, 0);
}

TEST_F(CliWheelTest, RefusesImpossibleRequestsAndBadRowFilesInGerman) {
    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"--pool", "1,2,3", "--type", "6", "--if", "3", "--hits", "2"},
         1,
         "Der Pool muss mehr Zahlen haben als eine Reihe (mindestens 7) und höchstens 32; er hat 3.\n"},
        {{"--pool", "1,2,3,4,5,6,7,8", "--type", "4", "--if", "2", "--hits", "3"},
         1,
         "Die Zahl der gezogenen Poolzahlen muss zwischen den garantierten Treffern (3) und 8 liegen.\n"},
        {{"--pool", "1,2,3,4,5,6,7,71", "--type", "4", "--if", "3", "--hits", "3"},
         1,
         "Die Zahl 71 im Pool ist keine Zahl von 1 bis 70.\n"},
        {{"--pool", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32", "--type",
          "10", "--if", "10", "--hits", "10"},
         1,
         "Für 32 Poolzahlen und 10 garantierte Treffer gibt es zu viele Zahlengruppen; dieses Programm sucht Systeme "
         "mit höchstens 1000000 davon. Bitte weniger Poolzahlen oder weniger Treffer wählen.\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = Wheel(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.err.toStdString(), c.message);
        EXPECT_EQ(run.out, QString());
    }
    const QString bad = WriteFile(m_home, QStringLiteral("bad.txt"), "1 2 3\n4 5 x\n");
    CliRun run = Wheel({QStringLiteral("--check"), bad, QStringLiteral("--pool"), QStringLiteral("1,2,3,4,5,6"),
                        QStringLiteral("--if"), QStringLiteral("2"), QStringLiteral("--hits"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, bad + QStringLiteral(", Reihe 2: „x“ ist keine Zahl von 1 bis 70.\n"));
    const QString outside = WriteFile(m_home, QStringLiteral("outside.txt"), "1 2 9\n");
    run = Wheel({QStringLiteral("--check"), outside, QStringLiteral("--pool"), QStringLiteral("1,2,3,4,5,6"),
                 QStringLiteral("--if"), QStringLiteral("2"), QStringLiteral("--hits"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, outside + QStringLiteral(", Reihe 1: Die Reihe hat Zahlen, die nicht im Pool stehen.\n"));
}

} // namespace
} // namespace qv
