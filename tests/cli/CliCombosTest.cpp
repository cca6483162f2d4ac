#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

struct CliRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

CliRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(QV_CLI_PATH), args);
    process.waitForFinished(60000);
    CliRun run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    if (!run.out.isEmpty() && run.out.back().isEmpty()) {
        run.out.removeLast();
    }
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TGewZahlen Draw(int day, std::initializer_list<int> numbers) {
    TGewZahlen draw;
    draw.datum = ToTDate({2024, 8, day});
    int p = 0;
    for (int n : numbers) {
        draw.GZ[p++] = static_cast<std::uint8_t>(n);
    }
    return draw;
}

// Three draws, 01.08.2024 to 03.08.2024: 1 to 20; 1, 2, 3 and 30 to 46; 50 to 69.
class CliCombosTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("draws.tpp"));
        m_draws = {Draw(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}),
                   Draw(2, {1, 2, 3, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46}),
                   Draw(3, {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69})};
        SaveDraws(m_file.toStdString(), m_draws);
    }

    QStringList WithDraws(QStringList args) const { return args << QStringLiteral("--draws") << m_file; }

    QTemporaryDir m_dir;
    QString m_file;
    std::vector<TGewZahlen> m_draws;
};

QStringList ListLines(const char* heading, const std::vector<ComboEntry>& list) {
    QStringList lines{QString::fromUtf8(heading)};
    for (std::size_t j = 0; j < list.size(); ++j) {
        if (!list[j].set.Empty()) {
            lines << QStringLiteral("%1\t%2\t%3")
                         .arg(j + 1)
                         .arg(QString::fromStdString(JoinedNumbers(list[j].set)))
                         .arg(list[j].count);
        }
    }
    return lines;
}

TEST_F(CliCombosTest, CombosPrintsFiguresBothListsAndDuration) {
    const CliRun run = RunCli(WithDraws({QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("3")}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::vector<NumberSet> sets;
    for (const TGewZahlen& draw : m_draws) {
        sets.push_back(draw.Numbers());
    }
    const ComboRunResult lists = RunCombinations(3, sets);
    QStringList expected{QStringLiteral("Erwartungswert: 0,06"), QStringLiteral("Prüfroutinen: 164.220")};
    expected << ListLines("#tops", lists.tops) << ListLines("#flops", lists.flops);
    ASSERT_EQ(run.out.size(), expected.size() + 1);
    EXPECT_EQ(run.out.mid(0, expected.size()), expected);
    EXPECT_EQ(run.out.at(1), QStringLiteral("Prüfroutinen: 164.220"));
    EXPECT_EQ(run.out.at(3), QStringLiteral("1\t1-2-3\t2")); // the only triple of two draws
    EXPECT_TRUE(run.out.back().startsWith(QStringLiteral("Dauer: 0:00:"))) << run.out.back().toStdString();
}

TEST_F(CliCombosTest, CombosOverAPeriodOfOneDraw) {
    // The second draw by its dates and by its index.
    for (const auto& [from, to] : {std::pair{"02.08.2024", "2024-08-02"}, std::pair{"#1", "#1"}}) {
        SCOPED_TRACE(from);
        const CliRun run = RunCli(
            WithDraws({QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("2"), QStringLiteral("--from"),
                       QString::fromUtf8(from), QStringLiteral("--to"), QString::fromUtf8(to)}));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.at(0), QStringLiteral("Erwartungswert: 0,08"));
        EXPECT_EQ(run.out.at(1), QStringLiteral("Prüfroutinen: 2.415"));
        EXPECT_EQ(run.out.at(3), QStringLiteral("1\t1-2\t1"));
        EXPECT_EQ(run.out.at(2 + 190), QStringLiteral("190\t45-46\t1"));
        EXPECT_EQ(run.out.at(3 + 190), QStringLiteral("#flops"));
        EXPECT_EQ(run.out.at(4 + 190), QStringLiteral("1\t69-70\t0")); // the latest pair that never occurred
    }
}

TEST_F(CliCombosTest, RefusalsAndUsageErrors) {
    struct Case {
        QStringList args;
        int exitCode;
        QString err;
    };
    const QString periodError =
        QStringLiteral("Bitte korrigieren Sie die Angaben für den Auswertungszeitraum.\n\nIch breche erst einmal ab.");
    const std::vector<Case> cases = {
        {{QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("6")}, 2, QStringLiteral("-k:")},
        {{QStringLiteral("combos")}, 2, QStringLiteral("-k:")},
        {{QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("2"), QStringLiteral("--from"),
          QStringLiteral("03.08.2024"), QStringLiteral("--to"), QStringLiteral("01.08.2024")},
         1,
         periodError},
        // Every end that names no draw: a day without one, no date at all, an index beyond the draws.
        {{QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("2"), QStringLiteral("--from"),
          QStringLiteral("05.08.2024")},
         1,
         periodError},
        {{QStringLiteral("combos"), QStringLiteral("-k"), QStringLiteral("2"), QStringLiteral("--to"),
          QStringLiteral("gestern")},
         1,
         periodError},
        {{QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("1,2,3"), QStringLiteral("--from"),
          QStringLiteral("#3")},
         1,
         periodError},
        {{QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("1,2"), QStringLiteral("--size"),
          QStringLiteral("2")},
         1,
         QStringLiteral("Um Kombinationen bilden zu können, muss mindestens eine Zahl mehr als die Kombi-Größe "
                        "gewählt werden.\n\nIch breche erst einmal ab.")},
        {{QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("7")},
         1,
         QStringLiteral("Bitte wählen Sie mindestens zwei Zahlen über das Zahlenfeld, nach denen gesucht werden "
                        "soll.\n\nIch breche erst einmal ab.")},
        {{QStringLiteral("search"), QStringLiteral("--pool"),
          QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21")},
         1,
         QStringLiteral("Bitte wählen Sie maximal zwanzig Zahlen über das Zahlenfeld, nach denen gesucht werden "
                        "soll.\n\nIch breche erst einmal ab.")},
        {{QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("1,71")}, 2, QStringLiteral("71")},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(WithDraws(c.args));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.args.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(CliCombosTest, SearchForPairsOfAPool) {
    const CliRun run = RunCli(WithDraws({QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("3,1,2"),
                                         QStringLiteral("--size"), QStringLiteral("2")}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString first = QStringLiteral("1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\t19\t20");
    const QString second =
        QStringLiteral("1\t2\t3\t30\t31\t32\t33\t34\t35\t36\t37\t38\t39\t40\t41\t42\t43\t44\t45\t46");
    const QStringList expected = {
        QStringLiteral("Es wurde nach dem Auftreten von 3 Zweier- Kombinationen aus 3 Zahlen gesucht"),
        QStringLiteral("01.08.2024\t") + first + QStringLiteral("\t1-2"),
        QStringLiteral("\t") + first + QStringLiteral("\t1-3"),
        QStringLiteral("\t") + first + QStringLiteral("\t2-3"),
        QStringLiteral("02.08.2024\t") + second + QStringLiteral("\t1-2"),
        QStringLiteral("\t") + second + QStringLiteral("\t1-3"),
        QStringLiteral("\t") + second + QStringLiteral("\t2-3"),
        QStringLiteral("Kombinationenhäufigkeit: 6"),
        QStringLiteral("  Suchergebnis für 3 Ausspielungen:"),
    };
    EXPECT_EQ(run.out, expected);
}

TEST_F(CliCombosTest, SearchForTheWholePool) {
    const CliRun found = RunCli(WithDraws({QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("50,69"),
                                           QStringLiteral("--from"), QStringLiteral("02.08.2024")}));
    ASSERT_EQ(found.exitCode, 0) << found.err.toStdString();
    ASSERT_EQ(found.out.size(), 4);
    EXPECT_EQ(found.out.at(0), QStringLiteral("Es wurde nach dem Auftreten einer Kombination aus 2 Zahlen gesucht"));
    EXPECT_TRUE(found.out.at(1).startsWith(QStringLiteral("03.08.2024\t50\t51\t")));
    EXPECT_TRUE(found.out.at(1).endsWith(QStringLiteral("\t69\t50-69")));
    EXPECT_EQ(found.out.at(2), QStringLiteral("Kombinationshäufigkeit: 1"));
    EXPECT_EQ(found.out.at(3), QStringLiteral("  Suchergebnis für 2 Ausspielungen:"));

    const CliRun none = RunCli(WithDraws({QStringLiteral("search"), QStringLiteral("--pool"), QStringLiteral("1,70")}));
    ASSERT_EQ(none.exitCode, 0) << none.err.toStdString();
    EXPECT_EQ(none.out.mid(1), (QStringList{QStringLiteral("Kombination ist nicht aufgetreten"),
                                            QStringLiteral("  Suchergebnis für 3 Ausspielungen:")}));
}

} // namespace
} // namespace qv
