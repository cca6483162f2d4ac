#include "support/CliRunner.h"

#include "engine/core/SlipFile.h"
#include "engine/printing/DruckParameter.h"
#include "text/DataFolder.h"

#include <gtest/gtest.h>

namespace {

using qv::test::Cli;
using qv::test::CliRun;
using qv::test::ReadFile;
using qv::test::WriteFile;

const QString kParams = QStringLiteral(QV_SOURCE_DATA_DIR "/BEL.qvpd");

// A slip with fields 1..count, field f holding f and f + 10; stake and draw-count indices.
QString SlipFile(const QTemporaryDir& dir, const QString& name, int count, int stake, int draws) {
    qv::TSchein slip;
    for (int f = 0; f < count; ++f) {
        slip.Z[static_cast<std::size_t>(f)][0] = static_cast<std::uint8_t>(f + 1);
        slip.Z[static_cast<std::size_t>(f)][1] = static_cast<std::uint8_t>(f + 11);
        slip.kenotyp[static_cast<std::size_t>(f)] = 2;
    }
    slip.einsatz = static_cast<std::uint8_t>(stake);
    slip.Ziehungen = static_cast<std::uint8_t>(draws);
    const QString path = dir.filePath(name);
    qv::WriteSlipFile(qv::ToPath(path), slip);
    return path;
}

TEST(CliPrint, WritesTheSheetsAndListsTheMarksOnThePaper) {
    QTemporaryDir home;
    const auto set = *qv::ReadPrintParameterFile(qv::ToPath(kParams));
    const QString pdf = home.filePath(QStringLiteral("out.pdf"));
    const CliRun run =
        Cli(home, {QStringLiteral("print"), QStringLiteral("--slips"), SlipFile(home, QStringLiteral("a.kts"), 8, 0, 0),
                   QStringLiteral("--slips"), SlipFile(home, QStringLiteral("b.kts"), 4, 5, 4),
                   QStringLiteral("--number"), QStringLiteral("5"), QStringLiteral("--hori"), QStringLiteral("-10"),
                   QStringLiteral("--params"), kParams, QStringLiteral("--pdf"), pdf, QStringLiteral("--marks")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), (8 * 2 + 3) + (4 * 2 + 3));
    const auto line = [](int sheet, const QString& text, qv::PaperPoint at, int hori) {
        return QStringLiteral("%1\t%2\t%3\t%4").arg(sheet).arg(text).arg(at.x + hori).arg(at.y);
    };
    EXPECT_EQ(lines.at(0), line(1, QStringLiteral("x"), set.Number(1, 1), -10));
    EXPECT_EQ(lines.at(18), line(1, QStringLiteral("5"), {set.scheinNrX, set.scheinNrY}, -10));
    EXPECT_EQ(lines.at(19), line(2, QStringLiteral("x"), set.Number(1, 1), -10));
    EXPECT_EQ(lines.at(27), line(2, QStringLiteral("x"), set.einsatzPos[5], -10));
    EXPECT_EQ(lines.at(28), line(2, QStringLiteral("x"), set.ziehungenPos[4], -10));
    EXPECT_EQ(lines.at(29), line(2, QStringLiteral("6"), {set.scheinNrX, set.scheinNrY}, -10));
    const QByteArray bytes = ReadFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 2);
}

TEST(CliPrint, TextRowsNeedTheirBoxesAndBadJobsWriteNothing) {
    QTemporaryDir home;
    const QString text = WriteFile(home, QStringLiteral("rows.txt"), "5 12 33\n7;8\n");
    const QString pdf = home.filePath(QStringLiteral("out.pdf"));
    const QStringList base = {QStringLiteral("print"),
                              QStringLiteral("--text"),
                              text,
                              QStringLiteral("--params"),
                              kParams,
                              QStringLiteral("--pdf"),
                              pdf};
    const CliRun without = Cli(home, base);
    EXPECT_EQ(without.exitCode, 1);
    EXPECT_TRUE(without.err.contains(QStringLiteral("Tippreihe 2 stammt aus einer Textdatei")))
        << without.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    // The old spelling of the draw count still works, with a note.
    const CliRun badEnd =
        Cli(home, base + QStringList{QStringLiteral("--draws"), QStringLiteral("4"), QStringLiteral("--stake"),
                                     QStringLiteral("2"), QStringLiteral("--end"), QStringLiteral("3")});
    EXPECT_EQ(badEnd.exitCode, 1);
    EXPECT_TRUE(badEnd.err.contains(QStringLiteral("Hinweis: Die Zahl der Ziehungen heißt jetzt --draw-count")))
        << badEnd.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    const CliRun badStake = Cli(home, base + QStringList{QStringLiteral("--draw-count"), QStringLiteral("4"),
                                                         QStringLiteral("--stake"), QStringLiteral("6")});
    EXPECT_EQ(badStake.exitCode, 2);

    const CliRun with =
        Cli(home, base + QStringList{QStringLiteral("--draw-count"), QStringLiteral("4"), QStringLiteral("--stake"),
                                     QStringLiteral("2"), QStringLiteral("--marks"), QStringLiteral("--no-number")});
    ASSERT_EQ(with.exitCode, 0) << with.err.toStdString();
    EXPECT_EQ(with.out.count(QLatin1Char('\n')), 3 + 2 + 2);
    EXPECT_TRUE(ReadFile(pdf).startsWith("%PDF"));
}

// The installed set with the default correction fits the A4 sheets; a correction that pushes a mark off
// them is refused before the PDF is written.
TEST(CliPrint, AMarkOffTheSheetIsRefused) {
    QTemporaryDir home;
    const QString pdf = home.filePath(QStringLiteral("x.pdf"));
    const QStringList base = {QStringLiteral("print"),
                              QStringLiteral("--slips"),
                              SlipFile(home, QStringLiteral("a.kts"), 8, 5, 4),
                              QStringLiteral("--vert"),
                              QStringLiteral("0"),
                              QStringLiteral("--params"),
                              kParams,
                              QStringLiteral("--pdf"),
                              pdf,
                              QStringLiteral("--hori")};
    const CliRun fits = Cli(home, base + QStringList{QStringLiteral("230")});
    ASSERT_EQ(fits.exitCode, 0) << fits.err.toStdString();
    QFile::remove(pdf);

    const CliRun off = Cli(home, base + QStringList{QStringLiteral("700")});
    EXPECT_EQ(off.exitCode, 1);
    EXPECT_TRUE(off.err.contains(QStringLiteral("Die Markierung \"x\" auf Schein 1 läge 215,0 mm rechts")))
        << off.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
