#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

using qv::test::CliRun;
using qv::test::ReadFile;
using qv::test::WriteFile;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// quovadra-cli with its address space limited to limitKb (the shell's ulimit -v), so that an
// allocation beyond it fails as it would on a machine out of memory.
CliRun CliWithin(const QTemporaryDir& home, long limitKb, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -v \"$0\" && exec \"$@\""),
                              QString::number(limitKb), QStringLiteral(QV_CLI_PATH)} +
                      args);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CliMemory, AnAllocationThatFailsGivesTheMessageAndChangesNoFile) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
    }
    QTemporaryDir home;
    const QByteArray draws = "2004-02-02;4;6;8;24;25;27;28;29;31;37;40;41;43;49;50;54;55;56;64;66\n";
    const QString drawFile = home.filePath(QStringLiteral("x.tpp"));
    const QString small = WriteFile(home, QStringLiteral("small.csv"), draws);
    const auto import = [&](long limitKb, const QString& source) {
        return CliWithin(home, limitKb,
                         {QStringLiteral("draws"), QStringLiteral("import"), source, QStringLiteral("--into"), drawFile,
                          QStringLiteral("--replace")});
    };
    ASSERT_EQ(import(4L * 1024 * 1024, small).exitCode, 0);
    const QByteArray before = ReadFile(drawFile);
    ASSERT_EQ(before.size(), 32);

    // The least address space (to 1 MB) in which the import of one draw runs: the libraries and the
    // program's start take most of it, and that depends on the machine.
    long enough = 4L * 1024 * 1024;
    long tooLittle = 16L * 1024;
    ASSERT_NE(import(tooLittle, small).exitCode, 0);
    while (enough - tooLittle > 1024) {
        const long middle = (enough + tooLittle) / 2;
        (import(middle, small).exitCode == 0 ? enough : tooLittle) = middle;
    }

    // A text file of the largest size read needs 16 MB for its bytes alone: with 8 MB to spare the
    // import runs out of memory while reading it.
    QByteArray large;
    while (large.size() + draws.size() <= 16 * 1024 * 1024) {
        large += draws;
    }
    const QString big = WriteFile(home, QStringLiteral("big.csv"), large);
    const CliRun run = import(enough + 8 * 1024, big);
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("Für diese Arbeit reicht der Arbeitsspeicher nicht; sie wurde "
                                                "abgebrochen, keine Datei wurde verändert."));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(ReadFile(drawFile), before);
}

} // namespace
