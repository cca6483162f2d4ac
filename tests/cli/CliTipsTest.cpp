#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

namespace qv {
namespace {

struct TipsRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

class CliTipsTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Three draws: 1 to 20, 2 to 21, 3 to 22 on the 1st to 3rd of August 2024.
        std::vector<TGewZahlen> draws;
        for (int i = 0; i < 3; ++i) {
            TGewZahlen draw;
            draw.datum = ToTDate({2024, 8, 1 + i});
            std::iota(draw.GZ.begin(), draw.GZ.begin() + 20, static_cast<std::uint8_t>(1 + i));
            draws.push_back(draw);
        }
        m_drawFile = m_dir.filePath(QStringLiteral("draws.tpp"));
        SaveDraws(m_drawFile.toStdString(), draws);
    }

    TipsRun Tips(QStringList args) const {
        args.prepend(m_drawFile);
        args.prepend(QStringLiteral("--draws"));
        args.prepend(QStringLiteral("tips"));
        QProcess process;
        process.start(QStringLiteral(QV_CLI_PATH), args);
        process.waitForFinished(60000);
        TipsRun run;
        run.exitCode = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QTemporaryDir m_dir;
    QString m_drawFile;
};

TEST_F(CliTipsTest, PrintsBoundsLegendAndRowsOfTheWholeHistory) {
    const TipsRun run = Tips({"--type", "10", "--method", "favoriten", "--count", "3", "--seed", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.out.size(), 6);
    EXPECT_EQ(run.out[0], QStringLiteral("Zeitraum\t01.08.2024\t03.08.2024\t3"));
    EXPECT_EQ(run.out[1], QStringLiteral("Grenzen\t4\t3\t2\t0\t0\t0\t-1"));
    EXPECT_EQ(run.out[2], QStringLiteral("Legende\tirrelevant\tirrelevant\tirrelevant\t0 - 1\t2 - 2\t3 - 4\t> 4"));
    // 3 to 20 were drawn three times: the five most frequent, 3 to 7, are in every row.
    for (int r = 3; r < 6; ++r) {
        const QStringList row = run.out[r].split(QLatin1Char('\t'));
        ASSERT_EQ(row.size(), 11) << run.out[r].toStdString();
        EXPECT_EQ(row[0], QString::number(r - 2));
        for (const char* fixed : {"3", "4", "5", "6", "7"}) {
            EXPECT_TRUE(row.mid(1).contains(QString::fromUtf8(fixed))) << run.out[r].toStdString();
        }
    }
    EXPECT_EQ(Tips({"--type", "10", "--method", "1", "--count", "3", "--seed", "5"}).out, run.out);
}

TEST_F(CliTipsTest, APeriodByNumbersOfDraws) {
    const TipsRun run = Tips({"--from", "#2", "--to", "#2", "--type", "2", "--method", "zufall"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out[0], QStringLiteral("Zeitraum\t03.08.2024\t03.08.2024\t1"));
    EXPECT_EQ(run.out[1], QStringLiteral("Grenzen\t2\t1\t2\t0\t0\t0\t-1"));
    EXPECT_EQ(run.out.size(), 4);
}

TEST_F(CliTipsTest, RefusesBadArguments) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"--type", "11", "--method", "0"}, 2, "--type"},
        {{"--type", "5", "--method", "irgendwie"}, 2, "--method"},
        {{"--type", "5", "--method", "0", "--to", "#3"}, 1, "#3: keine Ziehung"},
        {{"--type", "5", "--method", "0", "--from", "03.08.2024", "--to", "01.08.2024"},
         1,
         "Bitte korrigieren Sie die Angaben für den Auswertungszeitraum."},
        {{"--type", "5", "--method", "0", "--from", "05.08.2024"}, 1, "05.08.2024: keine Ziehung"},
    };
    for (const Case& c : cases) {
        const TipsRun run = Tips(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
} // namespace qv
