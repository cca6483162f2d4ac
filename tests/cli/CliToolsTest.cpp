#include "engine/tools/VersionInfo.h"

#include <QFile>
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

CliRun Cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(QV_CLI_PATH), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CliTools, NOverKPrintsWhatTheCalculatorShows) {
    EXPECT_EQ(Cli({"nk", "49", "6"}).out, QStringLiteral("13.983.816\n"));
    EXPECT_EQ(Cli({"nk", "70", "20"}).out, QStringLiteral("161.884.603.662.657.876\n"));
    const CliRun refused = Cli({"nk", "5", "5"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, QStringLiteral("Die Zahl für \"n\" muss größer als die für \"k\" sein.\n\nIch breche erst "
                                          "einmal ab.\n"));
    EXPECT_EQ(Cli({"nk", "49"}).exitCode, 2);
}

TEST(CliTools, VersionInfoPrintsTheLastCompleteRecord) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("verinfos.qvd"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const char* version : {"1.4.2.0", "1.4.3.1"}) {
        const auto record = VersionRecord(version);
        file.write(reinterpret_cast<const char*>(record.data()), static_cast<qint64>(record.size()));
    }
    file.write("rest");
    file.close();
    EXPECT_EQ(Cli({"version-info", path}).out, QStringLiteral("1.4.3.1\n"));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("zehn Bytes");
    file.close();
    const CliRun empty = Cli({"version-info", path});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("keinen vollständigen Versionssatz"))) << empty.err.toStdString();
}

} // namespace
} // namespace qv
