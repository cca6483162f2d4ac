#include "engine/core/ProgramState.h"
#include "engine/tools/VersionInfo.h"
#include "platform/QtInternet.h"
#include "support/FakePorts.h"
#include "support/LocalHttpServer.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/tools/TFUpdate.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

// The real transfer against the test's own server; the connection state as the test says.
class ServerInternet final : public Internet {
public:
    Connection ConnectionState() override { return connected ? Connection::Online : Connection::Offline; }
    bool Answers(const QString& url, int timeoutMs) override { return m_internet.Answers(url, timeoutMs); }
    Result Fetch(const QString& url, const BlockSink& sink, const FetchOptions& options) override {
        return m_internet.Fetch(url, sink, options);
    }
    bool connected = true;

private:
    QtInternet m_internet;
};

QByteArray VersionFile(std::initializer_list<const char*> versions, int extra = 0) {
    QByteArray bytes;
    for (const char* version : versions) {
        const auto record = VersionRecord(version);
        bytes.append(reinterpret_cast<const char*>(record.data()), static_cast<qsizetype>(record.size()));
    }
    return bytes + QByteArray(extra, 'x');
}

class UpdateWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.IsListening());
        m_state.DataFolder = ToPath(m_folder.path());
        m_state.ProbeFile = ToPath(m_folder.path()) / "tmp.tmp";
        m_context.webSite = m_server.Url(QString());
        m_window = std::make_unique<TFUpdate>(m_context);
        m_window->show();
    }

    template <typename T = QWidget>
    T* Find(const char* name) const {
        auto* child = m_window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Click(const char* name) const { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    bool Shown(const char* name) const { return !Find(name)->isHidden(); }
    QStringList Boxes(Kind kind) const { return m_fakes.messages.Texts(kind); }
    QString Folder() const { return QDir::toNativeSeparators(m_folder.path()) + QDir::separator(); }
    QByteArray Contents(const char* name) const {
        QFile file(m_folder.filePath(QString::fromUtf8(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(keine Datei)");
    }

    QTemporaryDir m_folder;
    LocalHttpServer m_server;
    FakePorts m_fakes;
    ServerInternet m_internet;
    Ports m_ports{m_fakes.messages,    m_fakes.fileDialogs, m_fakes.shell, m_internet,
                  m_fakes.printTarget, m_fakes.help,        m_fakes.clock, m_fakes.random};
    ProgramState m_state;
    WindowRegistry m_windows;
    SharedCommands m_commands{m_context};
    AppContext m_context{m_state, m_ports, m_windows, m_commands};
    std::unique_ptr<TFUpdate> m_window;
};

TEST_F(UpdateWindowTest, AnyOtherOnlineVersionOffersTheDownload) {
    EXPECT_EQ(Find<QLabel>("PAkt")->text(), QStringLiteral("1.4.3.0"));
    EXPECT_EQ(Find<QPushButton>("BAbfrage")->text(), QStringLiteral("Abfrage\nstarten"));
    EXPECT_EQ(Find<QLabel>("Label4")->accessibleName(),
              QStringLiteral("Wenn die Update-Prüfung positiv verläuft, dann wird hier ein Download- und ein "
                             "Installations-Button eingeblendet."));
    EXPECT_TRUE(Find<QLabel>("Label13")->accessibleName().endsWith(
        QStringLiteral("in das Programmverzeichnis zu installieren.")));
    EXPECT_FALSE(Shown("Panel6"));
    EXPECT_FALSE(Shown("PInst"));
    // Its help menu leads to the winning-numbers topic, unlike its help key.
    m_window->findChild<QAction*>(QStringLiteral("MHilfeBenutzen"))->trigger();
    m_window->findChild<QAction*>(QStringLiteral("MInhalt"))->trigger();
    EXPECT_EQ(m_fakes.help.topics, (QList<int>{1017, 1001}));

    const struct {
        QByteArray file;
        const char* online;
        bool offered;
    } cases[] = {
        {VersionFile({"1.4.3.1"}), "1.4.3.1", true},
        {VersionFile({"1.4.3.0"}), "1.4.3.0", false},
        {VersionFile({"1.4.2.0"}), "1.4.2.0", true}, // an older one too: the site offers what to have
        {VersionFile({"1.0.0.0", "1.4.3.0"}), "1.4.3.0", false},
        {VersionFile({"1.4.3.1"}, 6), "1.4.3.1", true}, // 30 bytes: one record
    };
    for (const auto& c : cases) {
        m_server.Set(kVerInfoPath, 200, c.file);
        Click("BAbfrage");
        EXPECT_EQ(Find<QLabel>("POnl")->text(), QString::fromUtf8(c.online)) << c.online;
        EXPECT_EQ(Shown("Panel6"), c.offered) << c.online;
        EXPECT_EQ(Contents(kVerInfoFileName), c.file) << c.online;
    }
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_FALSE(Shown("PInst"));
}

TEST_F(UpdateWindowTest, AnAnswerWithoutAVersionIsAFailedCheck) {
    m_server.Set(kVerInfoPath, 200, VersionFile({"1.4.3.1"}));
    Click("BAbfrage");
    ASSERT_TRUE(Shown("Panel6"));

    const struct {
        const char* what;
        int status;
        QByteArray body;
        bool kept; // whether the answer stays as the local file
    } cases[] = {
        {"10 bytes", 200, QByteArray(10, 'v'), true}, // no whole record: no version to compare
        {"3 bytes", 200, "1.4", false},
        {"not found", 404, VersionFile({"1.4.3.0"}), false},
        {"server error", 500, QByteArray(300, 'e'), false},
    };
    for (const auto& c : cases) {
        m_fakes.messages.boxes.clear();
        m_server.Set(kVerInfoPath, c.status, c.body);
        Click("BAbfrage");
        EXPECT_EQ(Boxes(Kind::Information), QStringList{"Die Prüfung hat leider nicht geklappt.\r"}) << c.what;
        EXPECT_EQ(Find<QLabel>("POnl")->text(), QStringLiteral("1.4.3.1")) << c.what << ": the controls stay";
        EXPECT_TRUE(Shown("Panel6")) << c.what;
        EXPECT_EQ(Contents(kVerInfoFileName), c.kept ? c.body : QByteArray("(keine Datei)"))
            << c.what << ": no old copy is left";
    }

    m_fakes.messages.boxes.clear();
    m_internet.connected = false;
    const int requests = m_server.Requests();
    Click("BAbfrage");
    EXPECT_EQ(Boxes(Kind::Information), QStringList{"Für die Prüfung muss eine Verbindung zum Internet bestehen."});
    EXPECT_EQ(m_server.Requests(), requests);
}

TEST_F(UpdateWindowTest, TheDownloadShowsInstallOnlyForAGoodAnswer) {
    m_server.Set(kVerInfoPath, 200, VersionFile({"1.4.3.1"}));
    Click("BAbfrage");
    QByteArray installer;
    for (int i = 0; i < 5000; ++i) {
        installer += static_cast<char>(i % 253);
    }

    m_server.Set(kInstallerPath, 404, QByteArray(500, 'n'));
    Click("BDown");
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal."});
    EXPECT_FALSE(Shown("PInst"));
    EXPECT_EQ(Contents(kInstallerFileName), QByteArray("(keine Datei)"));

    m_fakes.messages.boxes.clear();
    m_server.Set(kInstallerPath, 200, installer);
    Click("BDown");
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_TRUE(Shown("PInst"));
    EXPECT_EQ(Contents(kInstallerFileName), installer);
    EXPECT_EQ(Find<QProgressBar>("Pro1")->value(), 100);
    EXPECT_EQ(Find<QLabel>("Label10")->text(), QStringLiteral("Download abgeschlossen: 5 KB"));

    // A failed download after a good one leaves no old installer behind.
    m_server.Set(kInstallerPath, 200, "ab");
    Click("BDown");
    EXPECT_EQ(Contents(kInstallerFileName), QByteArray("(keine Datei)"));

    m_fakes.messages.boxes.clear();
    m_internet.connected = false;
    Click("BDown");
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                          "bestehen.\r\rIch breche ab."});
}

// The version file announces the installer's size; an installer of another size is not offered.
TEST_F(UpdateWindowTest, AnInstallerOfAnotherSizeThanAnnouncedIsNotOffered) {
    const QByteArray installer(3000, 'i');
    auto record = VersionRecord("1.4.3.1", 3001);
    m_server.Set(kVerInfoPath, 200, QByteArray(reinterpret_cast<const char*>(record.data()), 24));
    m_server.Set(kInstallerPath, 200, installer);
    Click("BAbfrage");
    Click("BDown");
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{"Die geladene Datei hat nicht die Größe, die die Versionsdatei angibt; sie wird nicht zum "
                          "Installieren angeboten. Versuchen Sie es bitte später noch einmal."});
    EXPECT_FALSE(Shown("PInst"));
    EXPECT_EQ(Contents(kInstallerFileName), QByteArray("(keine Datei)"));

    m_fakes.messages.boxes.clear();
    record = VersionRecord("1.4.3.1", 3000);
    m_server.Set(kVerInfoPath, 200, QByteArray(reinterpret_cast<const char*>(record.data()), 24));
    Click("BAbfrage");
    Click("BDown");
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
    EXPECT_TRUE(Shown("PInst"));
}

// A server that sends a byte now and then: "Abbrechen" stops the transfer, the time limit ends it, and
// meanwhile no other control takes input. The online version is shown as plain text.
TEST_F(UpdateWindowTest, ASlowTransferCanBeCancelledAndEndsAtItsTimeLimit) {
    m_server.Set(kVerInfoPath, 200, VersionFile({"<b>9</b>"}));
    Click("BAbfrage");
    EXPECT_EQ(Find<QLabel>("POnl")->textFormat(), Qt::PlainText);
    EXPECT_EQ(Find<QLabel>("POnl")->text(), QStringLiteral("<b>9</b>"));
    EXPECT_FALSE(Find<QPushButton>("BAbbrechen")->isEnabled());

    m_server.SetDrip(kInstallerPath, QByteArray(1000, 'x'), 100);
    bool cancelWasOn = false;
    QTimer::singleShot(400, m_window.get(), [this, &cancelWasOn] {
        cancelWasOn = Find<QPushButton>("BAbbrechen")->isEnabled();
        Click("BAbfrage"); // swallowed: a check cannot start in the middle of the download
        Click("BAbbrechen");
    });
    const int requests = m_server.Requests();
    QElapsedTimer clock;
    clock.start();
    Click("BDown");
    EXPECT_TRUE(cancelWasOn);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(Boxes(Kind::Information), QStringList{"Der Download wurde abgebrochen."});
    EXPECT_FALSE(Find<QPushButton>("BAbbrechen")->isEnabled());
    EXPECT_EQ(Contents(kInstallerFileName), QByteArray("(keine Datei)"));
    EXPECT_EQ(m_server.Requests(), requests + 1) << "the swallowed click started no check";

    m_fakes.messages.boxes.clear();
    m_window->SetTimeLimits(600, 600);
    m_server.SetDrip(kVerInfoPath, VersionFile({"1.4.3.2"}), 100);
    clock.restart();
    Click("BAbfrage");
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(Boxes(Kind::Information), QStringList{"Die Prüfung hat leider nicht geklappt.\r"});
    EXPECT_EQ(Find<QLabel>("POnl")->text(), QStringLiteral("<b>9</b>"));
}

TEST_F(UpdateWindowTest, InstallAsksFirstAndEndsTheProgramOnlyWhenTheInstallerStarts) {
    QSignalSpy ending(m_window.get(), &TFUpdate::ProgramEndRequested);
    const QString question =
        QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
                       "Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das "
                       "Update manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
        Folder() + QStringLiteral(" starten.\r\rSoll fortgefahren werden?");

    m_fakes.messages.SetNextAnswer(Messages::Answer::No);
    m_window->Install();
    EXPECT_EQ(Boxes(Kind::YesNo), QStringList{question});
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update "
                                         "manuell durch Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                          Folder() +
                          QStringLiteral(" starten.\r\rZuvor muss das Programm geschlossen und die Datei "
                                         "\"Quovadra.exe\" gelöscht werden.")});
    EXPECT_TRUE(m_fakes.shell.openedFiles.isEmpty());
    EXPECT_EQ(ending.count(), 0);

    m_fakes.messages.boxes.clear();
    m_fakes.messages.SetNextAnswer(Messages::Answer::Yes);
    m_fakes.shell.succeed = false;
    m_window->Install();
    EXPECT_EQ(Boxes(Kind::Information),
              QStringList{QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie Quovadra und "
                                         "starten Sie das Update manuell durch Doppelklick auf die Datei "
                                         "\"Update.exe\" im Verzeichnis ") +
                          Folder() + QStringLiteral(".")});
    EXPECT_EQ(ending.count(), 0);

    m_fakes.messages.boxes.clear();
    m_fakes.messages.SetNextAnswer(Messages::Answer::Yes);
    m_fakes.shell.succeed = true;
    m_window->Install();
    EXPECT_EQ(m_fakes.shell.openedFiles.last(), m_folder.filePath(QStringLiteral("Update.exe")));
    EXPECT_EQ(Boxes(Kind::Information), QStringList{});
    EXPECT_EQ(ending.count(), 1);
}

TEST_F(UpdateWindowTest, TheHandOverBatchFileIsWrittenInTheGivenFolder) {
    const std::filesystem::path batch =
        WriteHandOverBatch(ToPath(m_folder.path()), std::filesystem::path("/opt/quovadra/bin/quovadra"));
    const QString name = FromPath(batch.filename());
    EXPECT_TRUE(name.startsWith(QStringLiteral("uis")) && name.endsWith(QStringLiteral(".bat"))) << name.toStdString();
    QFile file(FromPath(batch));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 6); // five lines, each ended by CR LF
    EXPECT_EQ(lines[0], ":Label1\r");
    EXPECT_EQ(lines[1], "del \"/opt/quovadra/bin/quovadra\"\r");
    EXPECT_EQ(lines[3], "rmdir \"/opt/quovadra/bin/\"\r");
    EXPECT_EQ(lines[4], "del " + FromPath(batch).toLocal8Bit() + "\r");
}

} // namespace
} // namespace qv::test
