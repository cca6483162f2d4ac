#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace qv::test {
namespace {

// What the tool answers when it cannot do what it was asked: an exit code other than 0 and a German
// message on stderr, over the commands and their ways of failing. The data folder is a fresh one,
// without draws.
TEST(CliFailures, EveryFailureExitsNonZeroWithAGermanMessage) {
    QTemporaryDir home;
    const QString missing = home.filePath(QStringLiteral("gibtsnicht.txt"));
    const QString rows = WriteFile(home, QStringLiteral("Reihen.txt"), "1 2 3\n");
    struct Case {
        QStringList args;
        int exitCode;
        QString message; // a part of stderr
    };
    const std::vector<Case> cases = {
        {{}, 2, QStringLiteral("Es fehlt der Befehl.")},
        {{QStringLiteral("gibtsnicht")}, 2, QStringLiteral("Unbekannter Befehl: gibtsnicht")},
        {{QStringLiteral("combos"), QStringLiteral("--bogus")}, 2, QStringLiteral("Unbekannte Option '--bogus'.")},
        {{QStringLiteral("combos"), QStringLiteral("-x"), QStringLiteral("--zz")},
         2,
         QStringLiteral("Unbekannte Optionen: '-x', '--zz'.")},
        {{QStringLiteral("combos"), QStringLiteral("-k")}, 2, QStringLiteral("Nach '-k' fehlt ein Wert.")},
        {{QStringLiteral("stats"), QStringLiteral("--significance=ja")},
         2,
         QStringLiteral("Die Option '--significance' nimmt keinen Wert.")},
        {{QStringLiteral("nk"), QStringLiteral("70")}, 2, QStringLiteral("Falsche Zahl von Argumenten.")},
        {{QStringLiteral("draws"), QStringLiteral("import"), missing}, 1, QStringLiteral("gibtsnicht.txt")},
        {{QStringLiteral("draws"), QStringLiteral("list"), QStringLiteral("a"), QStringLiteral("b")},
         2,
         QStringLiteral("Aufruf: quovadra-cli draws list")},
        {{QStringLiteral("slip"), QStringLiteral("show"), missing}, 1, QStringLiteral("gibtsnicht.txt")},
        {{QStringLiteral("slips"), QStringLiteral("from-text"), rows}, 2, QStringLiteral("--as PFAD fehlt.")},
        {{QStringLiteral("evaluate"), QStringLiteral("a.kts")}, 2, QStringLiteral("--from fehlt.")},
        {{QStringLiteral("filter"), missing}, 1, QStringLiteral("gibtsnicht.txt")},
        {{QStringLiteral("print"), QStringLiteral("--slips"), QStringLiteral("a.kts")},
         2,
         QStringLiteral("--pdf fehlt.")},
        {{QStringLiteral("stats")}, 1, QStringLiteral("sind keine Ziehungen gespeichert")},
        {{QStringLiteral("stats"), QStringLiteral("--order"), QStringLiteral("7")},
         2,
         QStringLiteral("--order: 0, 1 oder 2 angeben.")},
        {{QStringLiteral("version-info"), missing}, 1, QStringLiteral("gibtsnicht.txt")},
        {{QStringLiteral("odds"), QStringLiteral("--type"), QStringLiteral("11")},
         2,
         QStringLiteral("--type: einen Keno-Typ von 2 bis 10 angeben.")},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(home, c.args);
        const std::string name = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << name << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << name << "\n" << run.err.toStdString();
        for (const char* english : {"Unknown", "Missing", "Unexpected", "Usage", "rror"}) {
            EXPECT_FALSE(run.err.contains(QLatin1String(english))) << name << "\n" << run.err.toStdString();
        }
    }
}

TEST(CliFailures, AnEmptyHistoryIsNamedWithTheWayToImportIt) {
    QTemporaryDir home;
    const CliRun stats = Cli(home, {QStringLiteral("stats")});
    EXPECT_EQ(stats.exitCode, 1);
    EXPECT_TRUE(stats.err.contains(QStringLiteral("quovadra-cli draws import DATEI"))) << stats.err.toStdString();
    EXPECT_TRUE(stats.out.isEmpty());

    // Listing nothing is no failure, but the reader learns why.
    const CliRun list = Cli(home, {QStringLiteral("draws"), QStringLiteral("list")});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_TRUE(list.out.isEmpty());
    EXPECT_TRUE(list.err.contains(QStringLiteral("sind keine Ziehungen gespeichert"))) << list.err.toStdString();
}

TEST(CliOdds, PrintsTheOddsWindowsFigures) {
    QTemporaryDir home;
    const CliRun six = Cli(home, {QStringLiteral("odds"), QStringLiteral("--type"), QStringLiteral("6")});
    ASSERT_EQ(six.exitCode, 0) << six.err.toStdString();
    const QStringList lines = six.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Heading, the table from 6 hits down to 0, the two summary lines.
    ASSERT_EQ(lines.size(), 1 + 1 + 7 + 2) << six.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Keno-Typ 6"));
    EXPECT_EQ(lines[1], QStringLiteral("Treffer\tWahrscheinlichkeit\tChance\tGewinn je Euro"));
    // 6 of 6: C(20,6) / C(70,6) = 38760 / 131115985, one in 3382.77.
    EXPECT_EQ(lines[2], QStringLiteral("6\t0,0296 %\t1 zu 3.383\t200,00 €")) << lines[2].toStdString();
    EXPECT_TRUE(lines[9].startsWith(QStringLiteral("Chance auf irgendeinen Gewinn: 1 zu ")));

    const CliRun all = Cli(home, {QStringLiteral("odds")});
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_TRUE(all.out.startsWith(QStringLiteral("Alle Keno-Typen\nKeno-Typ\tChance auf einen Gewinn\t"
                                                  "Auszahlung je Euro\n2\t")));
    for (int type = 2; type <= 10; ++type) {
        EXPECT_TRUE(all.out.contains(QStringLiteral("\nKeno-Typ %1\n").arg(type))) << type;
    }
}

TEST(CliVersion, BothProgramsNameTheirVersion) {
    QTemporaryDir home;
    const CliRun run = Cli(home, {QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("quovadra-cli " QV_VERSION "\n"));
}

} // namespace
} // namespace qv::test
