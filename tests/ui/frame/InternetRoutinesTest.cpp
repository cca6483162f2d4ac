#include "ui/frame/InternetRoutines.h"
#include "platform/QtInternet.h"
#include "support/LocalHttpServer.h"
#include "text/DataFolder.h"

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
        EXPECT_FALSE(std::filesystem::exists(m_probe)) << c.path;
    }
}

TEST_F(DownloadTest, AnOldProbeFileIsReplacedAndAnUnreachableServerFails) {
    Write(m_probe, "Reste eines alten Downloads");
    m_server.Set("/gut", 200, "neue Version");
    EXPECT_TRUE(Download(m_internet, m_server.Url("/gut"), m_target, m_probe));
    EXPECT_EQ(Contents(m_target), "neue Version");
    EXPECT_EQ(m_server.Requests(), 1); // the checked answer itself becomes the file

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString nobody = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
    closed.close();
    EXPECT_FALSE(Download(m_internet, nobody, m_target, m_probe));
    EXPECT_EQ(Contents(m_target), "neue Version");
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
