#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qv {
namespace {

QString RunFilter(const QStringList& args, const QByteArray& input, int* exitCode) {
    QProcess process;
    process.start(QStringLiteral(QV_CLI_PATH), QStringList{QStringLiteral("filter")} + args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QByteArray kResultsText = "Gewinnzahlen der Ziehung vom 12.03.2024\r\n"
                                "3 · 7 · 12 · 19 · 21 · 26 · 33 · 38 · 41 · 44\r\n"
                                "47 · 50 · 53 · 58 · 60 · 62 · 64 · 67 · 69 · 70\r\n"
                                "Plus 5: 48213\r\n";

TEST(CliFilter, PrintsUpToTwentyTokensFromStandardInputOrAFile) {
    const QString expected = QStringLiteral("12\n03\n2024\n3\n7\n12\n19\n21\n26\n33\n38\n41\n44\n47\n50\n53\n58\n60\n"
                                            "62\n64\n");
    int exitCode = -1;
    EXPECT_EQ(RunFilter({}, kResultsText, &exitCode), expected);
    EXPECT_EQ(exitCode, 0);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("seite.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kResultsText);
    file.close();
    EXPECT_EQ(RunFilter({file.fileName()}, {}, &exitCode), expected);
    EXPECT_EQ(exitCode, 0);

    EXPECT_EQ(RunFilter({}, "keine Zahlen hier", &exitCode), QString());
    EXPECT_EQ(exitCode, 0);
    RunFilter({dir.filePath(QStringLiteral("fehlt.txt"))}, {}, &exitCode);
    EXPECT_EQ(exitCode, 1);
}

// A results page saved as UTF-16 was once read byte by byte: "12 34" became 1, 2, 3, 4.
TEST(CliFilter, Utf16TextIsDecodedByItsByteOrderMark) {
    const QString text = QStringLiteral("Zahlen: 12 34 56 70");
    QByteArray little("\xFF\xFE");
    QByteArray big("\xFE\xFF");
    for (const QChar c : text) {
        little += static_cast<char>(c.unicode() & 0xFF);
        little += static_cast<char>(c.unicode() >> 8);
        big += static_cast<char>(c.unicode() >> 8);
        big += static_cast<char>(c.unicode() & 0xFF);
    }
    for (const QByteArray& input : {little, big}) {
        int exitCode = -1;
        EXPECT_EQ(RunFilter({}, input, &exitCode), QStringLiteral("12\n34\n56\n70\n"));
        EXPECT_EQ(exitCode, 0);
    }
}

// A pipe may deliver its text in parts: the line that comes half a second later is filtered too, and
// standard input has the same limit as a file.
TEST(CliFilter, StandardInputIsReadToItsEndWithinTheFileLimit) {
    QProcess process;
    process.start(QStringLiteral(QV_CLI_PATH), {QStringLiteral("filter")});
    ASSERT_TRUE(process.waitForStarted());
    process.write("Zahlen: 3 7 12\n");
    process.waitForBytesWritten();
    QThread::msleep(500);
    process.write("19 21\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("3\n7\n12\n19\n21\n"));

    int exitCode = -1;
    EXPECT_EQ(RunFilter({}, QByteArray(16 * 1024 * 1024 + 1, ' '), &exitCode), QString());
    EXPECT_EQ(exitCode, 1);
}

TEST(CliFilter, ADeviceOrFolderGivenAsTheFileIsRefused) {
    QTemporaryDir dir;
    for (const QString& path : {QStringLiteral("/dev/zero"), dir.path()}) {
        int exitCode = -1;
        EXPECT_EQ(RunFilter({path}, {}, &exitCode), QString());
        EXPECT_EQ(exitCode, 1) << path.toStdString();
    }
}

} // namespace
} // namespace qv
