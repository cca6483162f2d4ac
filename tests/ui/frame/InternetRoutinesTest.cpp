#include "ui/frame/InternetRoutines.h"
#include "platform/QtInternet.h"
#include "support/FakeInternet.h"
#include "support/LocalHttpServer.h"
#include "text/DataFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv {
namespace {

QByteArray Contents(const std::filesystem::path& path) {
    QFile file(FromPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(keine Datei)");
}

void Write(const std::filesystem::path& path, const QByteArray& bytes) {
    QFile file(FromPath(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.IsListening());
        m_target = ToPath(m_folder.path()) / "verinfos.qvd";
        m_probe = ToPath(m_folder.path()) / "tmp.tmp";
        Write(m_target, "alte Datei");
    }

    QTemporaryDir m_folder;
    LocalHttpServer m_server;
    QtInternet m_internet;
    std::filesystem::path m_target;
    std::filesystem::path m_probe;
};

TEST_F(DownloadTest, OnlyAGoodAnswerOfAtLeastFourBytesReplacesTheTarget) {
    QByteArray good;
    for (int i = 0; i < 3000; ++i) {
        good += static_cast<char>(i % 251); // several blocks, every byte value
    }
    m_server.Set("/drei", 200, "abc");
    m_server.Set("/vier", 200, "abcd");
    m_server.Set("/fehlt", 404, QByteArray(300, 'x'));
    m_server.Set("/fehler", 500, QByteArray(300, 'y'));
    m_server.Set("/gut", 200, good);

    const struct {
        const char* path;
        bool succeeds;
        QByteArray target;
    } cases[] = {
        {"/drei", false, "alte Datei"},  // too short to be a file
        {"/fehlt", false, "alte Datei"}, // an error page is no download, however long
        {"/fehler", false, "alte Datei"}, {"/vier", true, "abcd"}, {"/gut", true, good},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Download(m_internet, m_server.Url(c.path), m_target, m_probe), c.succeeds) << c.path;
        EXPECT_EQ(Contents(m_target), c.target) << c.path;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path().toStdString()), {}), 1)
            << c.path << ": probe file left";
    }
}

// Another user may place a link at a name in the shared temporary folder: the download never writes
// through it.
TEST_F(DownloadTest, ALinkAtTheProbeNameIsNotFollowedAndAnUnreachableServerFails) {
    const auto victim = ToPath(m_folder.path()) / "fremd.txt";
    Write(victim, "fremde Datei");
    std::filesystem::create_symlink(victim, m_probe);
    m_server.Set("/gut", 200, "neue Version");
    EXPECT_TRUE(Download(m_internet, m_server.Url("/gut"), m_target, m_probe));
    EXPECT_EQ(Contents(m_target), "neue Version");
    EXPECT_EQ(m_server.Requests(), 1); // the checked answer itself becomes the file
    EXPECT_EQ(Contents(victim), "fremde Datei");
    EXPECT_TRUE(std::filesystem::is_symlink(m_probe));

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString nobody = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
    closed.close();
    EXPECT_FALSE(Download(m_internet, nobody, m_target, m_probe));
    EXPECT_EQ(Contents(m_target), "neue Version");
}

// Any fault of the transfer is a failed download, a 200 before it notwithstanding; the server is asked
// for the body as it is, and one sent packed all the same is not taken.
TEST_F(DownloadTest, AnyTransferErrorFailsAndTheBodyIsAskedForUnpacked) {
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n";
    m_server.SetRaw("/kurz", head + "Content-Length: 5000\r\n\r\n" + QByteArray(1200, 'k'));
    // A gzip stream that stops after its header, and one that unpacks to nothing sensible.
    const QByteArray gzipStart("\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\x4b\x4c\x4a", 13);
    m_server.SetRaw("/gzip", head + "Content-Encoding: gzip\r\nContent-Length: 13\r\n\r\n" + gzipStart);
    m_server.SetRaw("/kaputt", head + "Content-Encoding: gzip\r\nContent-Length: 8\r\n\r\nkeingzip");
    for (const char* path : {"/kurz", "/gzip", "/kaputt"}) {
        EXPECT_EQ(DownloadWithLimits(m_internet, m_server.Url(path), m_target, m_probe, {}), DownloadOutcome::Failed)
            << path;
        EXPECT_EQ(Contents(m_target), "alte Datei") << path;
        EXPECT_TRUE(m_server.LastRequest().toLower().contains("accept-encoding: identity\r\n"))
            << m_server.LastRequest().constData();
    }
}

TEST_F(DownloadTest, LimitsStopTheTransferAndLeaveTheTargetAlone) {
    m_server.Set("/gross", 200, QByteArray(2 * 1024 * 1024, 'g'));
    m_server.Set("/datei", 200, QByteArray(5000, 'd'));
    m_server.SetDrip("/tropfen", QByteArray(100, 't'), 200);

    // A body larger than allowed is stopped as it arrives, not written to its end.
    DownloadLimits small;
    small.maxBytes = 10 * 1024;
    qint64 received = 0;
    EXPECT_EQ(DownloadWithLimits(m_internet, m_server.Url("/gross"), m_target, m_probe, small,
                                 [&received](qint64 bytes) { received = bytes; }),
              DownloadOutcome::Failed);
    EXPECT_LE(received, small.maxBytes);

    // Another size than the announced one.
    DownloadLimits announced;
    announced.expectedBytes = 4999;
    EXPECT_EQ(DownloadWithLimits(m_internet, m_server.Url("/datei"), m_target, m_probe, announced),
              DownloadOutcome::WrongSize);
    announced.expectedBytes = 5000;
    EXPECT_EQ(DownloadWithLimits(m_internet, m_server.Url("/datei"), m_target, m_probe, announced),
              DownloadOutcome::Done);
    Write(m_target, "alte Datei");

    // A server that sends a byte now and then is given up at the time limit; a cancel ends it at once.
    DownloadLimits slow;
    slow.fetch.timeLimitMs = 700;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(DownloadWithLimits(m_internet, m_server.Url("/tropfen"), m_target, m_probe, slow),
              DownloadOutcome::TimedOut);
    EXPECT_LT(clock.elapsed(), 5000);
    DownloadLimits cancelled;
    cancelled.fetch.cancelled = [&clock] { return clock.elapsed() > 300; };
    clock.restart();
    EXPECT_EQ(DownloadWithLimits(m_internet, m_server.Url("/tropfen"), m_target, m_probe, cancelled),
              DownloadOutcome::Cancelled);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(Contents(m_target), "alte Datei");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path().toStdString()), {}), 1)
        << "probe file left";
}

// When the system cannot tell whether there is a connection, a short request to the server finds out:
// any answer counts, an error page's too; a refused connection or a server that keeps silent does not.
TEST_F(DownloadTest, AServerAnswersAShortRequestOrTheProbeFailsInTime) {
    m_server.Set("/aktuell.html", 200, "<html></html>");
    EXPECT_TRUE(m_internet.Answers(m_server.Url("/aktuell.html"), 3000));
    EXPECT_TRUE(m_internet.Answers(m_server.Url("/fehlt.html"), 3000)) << "a 404 still comes from the server";

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();
    EXPECT_FALSE(m_internet.Answers(refused, 3000));

    QTcpServer silent; // takes the connection and never says a word
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(m_internet.Answers(QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort()), 300));
    EXPECT_LT(clock.elapsed(), 2500);
}

TEST(InternetRoutines, AnUnknownConnectionStateIsFoundOutAtTheServer) {
    const QString page = QStringLiteral("http://127.0.0.1:1/QVD/aktuell.html");
    const struct {
        bool known;
        bool connected;
        bool serverAnswers;
        bool result;
        bool probed;
    } cases[] = {
        {true, true, false, true, false},  // the system knows: no request
        {true, false, true, false, false}, // known to be offline: no request either
        {false, true, false, false, true}, // unknown and no answer: not connected
        {false, false, true, true, true},  // unknown, and the server answers
    };
    for (const auto& c : cases) {
        FakeInternet internet;
        internet.known = c.known;
        internet.connected = c.connected;
        if (c.serverAnswers) {
            internet.pages[page] = {};
        }
        EXPECT_EQ(IsConnected(internet, page), c.result) << c.known << c.connected << c.serverAnswers;
        EXPECT_EQ(internet.probed, c.probed ? QStringList{page} : QStringList{});
    }
}

TEST(InternetRoutines, DeletePathRemovesFilesAndFoldersWithContent) {
    QTemporaryDir folder;
    const std::filesystem::path root = ToPath(folder.path());
    Write(root / "Update.exe", "x");
    std::filesystem::create_directories(root / "alt" / "tief");
    Write(root / "alt" / "tief" / "a.txt", "x");

    EXPECT_TRUE(DeletePath(root / "Update.exe"));
    EXPECT_TRUE(DeletePath(root / "alt"));
    EXPECT_FALSE(std::filesystem::exists(root / "alt"));
    EXPECT_FALSE(DeletePath(root / "gibt-es-nicht"));
}

TEST(InternetRoutines, IsValidUrlAcceptsCompleteAddressesOnly) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"https://www.example.de/ergebnisse/keno.html", true},
        {"http://127.0.0.1:8080/", true},
        {"mailto:info@example.de", true},
        {"file:///home/spieler/Demo.kts", true},
        {"www.example.de", false},
        {"https://www.keno-zahlen.example/gewinnzahlen", false}, // reserved names lead nowhere
        {"https://Seite.TEST/", false},
        {"http://ergebnisse.invalid", false},
        {"https://", false},
        {"http://ex ample.de/", false},
        {"C:\\Keno\\Demo.kts", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidUrl(QString::fromUtf8(c.text)), c.valid) << c.text;
    }
}

} // namespace
} // namespace qv
