#include "support/MainWindowFixture.h"

#include "engine/printing/DruckParameter.h"
#include "ui/app/WindowTable.h"
#include "ui/frame/SingleInstance.h"
#include "ui/frame/StartOptions.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFDetail.h"

#include "platform/LocalSockets.h"

#include <QLineEdit>
#include <QLocalSocket>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QSignalSpy>

namespace qv::test {
namespace {

using Kind = FakeMessages::Kind;

// A socket name of this test process alone, so a running program is never disturbed.
QString TestServerName(const char* test) {
    return QStringLiteral("quovadra-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QString::fromUtf8(test));
}

TEST(SingleInstance, ALaterStartHandsItsFilesToTheFirst) {
    const QString name = TestServerName("handover");
    SingleInstance first(name);
    EXPECT_FALSE(first.HandOver({})); // nobody listens yet
    ASSERT_TRUE(first.Listen());
    QSignalSpy handed(&first, &SingleInstance::FilesHandedOver);

    SingleInstance second(name);
    ASSERT_TRUE(second.HandOver({QStringLiteral("/daten/Mein Schein.kts"), QStringLiteral("relativ/ä.kts")}));
    ASSERT_TRUE(handed.wait(5000));
    const QStringList paths = handed.at(0).at(0).toStringList();
    ASSERT_EQ(paths.size(), 2);
    EXPECT_EQ(paths[0], QStringLiteral("/daten/Mein Schein.kts"));
    // A relative path is made absolute by the start that knows its working folder.
    EXPECT_EQ(paths[1], QDir::current().absoluteFilePath(QStringLiteral("relativ/ä.kts")));

    // A start without files only brings the program to the front.
    ASSERT_TRUE(SingleInstance(name).HandOver({}));
    ASSERT_TRUE(handed.wait(5000));
    EXPECT_TRUE(handed.at(1).at(0).toStringList().isEmpty());
}

TEST(SingleInstance, ASocketLeftByACrashedProgramIsTakenOverButNothingElseIsRemoved) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath(QStringLiteral("quovadra-stale"));
    // What a crash leaves: the socket's file without a program behind it.
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    SingleInstance first(name);
    EXPECT_FALSE(first.HandOver({QStringLiteral("/a.kts")}));
    ASSERT_TRUE(first.Listen());
    QSignalSpy handed(&first, &SingleInstance::FilesHandedOver);
    ASSERT_TRUE(SingleInstance(name).HandOver({QStringLiteral("/b.kts")}));
    ASSERT_TRUE(handed.wait(5000));
    EXPECT_EQ(handed.at(0).at(0).toStringList(), QStringList{QStringLiteral("/b.kts")});

    // A plain file at the socket's place is no leftover of ours: it stays, and the program runs alone.
    const QString plain = folder.filePath(QStringLiteral("quovadra-datei"));
    QFile file(plain);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("bleibt") == 6);
    file.close();
    SingleInstance blocked(plain);
    EXPECT_FALSE(blocked.Listen());
    EXPECT_TRUE(QFileInfo(plain).isFile());
}

// The socket lies in a folder no other user can enter, so no one can take its name first.
TEST(SingleInstance, TheSocketFolderIsTheUsersOwn) {
    QTemporaryDir runtime;
    QTemporaryDir temp;
    ASSERT_TRUE(runtime.isValid() && temp.isValid());
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QString fallback = QDir(temp.path()).filePath(QStringLiteral("quovadra-%1").arg(::geteuid()));
    const QByteArray runtimePath = QFile::encodeName(runtime.path());

    ::chmod(runtimePath.constData(), 0700);
    qputenv("XDG_RUNTIME_DIR", runtimePath);
    EXPECT_EQ(PrivateSocketFolder(), runtime.path());
    EXPECT_EQ(SingleInstance::ServerNameFor(QStringLiteral("/daten"), runtime.path()),
              runtime.path() + QStringLiteral("/") + SingleInstance::ServerNameFor(QStringLiteral("/daten"), {}));

    // A runtime folder open to others, or none, gives the fallback, made with mode 0700.
    ::chmod(runtimePath.constData(), 0755);
    EXPECT_EQ(PrivateSocketFolder(), fallback);
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(PrivateSocketFolder(), fallback);
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fallback).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0700u);

    // A fallback someone opened to others, or a link in its place, is refused.
    ::chmod(QFile::encodeName(fallback).constData(), 0777);
    QString problem;
    EXPECT_EQ(PrivateSocketFolder(&problem), std::nullopt);
    EXPECT_TRUE(problem.contains(QStringLiteral("gehört nicht allein diesem Benutzer"))) << problem.toStdString();
    ASSERT_TRUE(QDir(fallback).removeRecursively());
    ASSERT_TRUE(QFile::link(runtime.path(), fallback));
    EXPECT_EQ(PrivateSocketFolder(), std::nullopt);
    EXPECT_TRUE(QFileInfo(fallback).isSymLink());

    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    qputenv("TMPDIR", oldTemp);
    if (oldRuntime.isNull()) {
        qunsetenv("XDG_RUNTIME_DIR");
    }
    if (oldTemp.isNull()) {
        qunsetenv("TMPDIR");
    }
}

TEST(SingleInstance, TheListenerHearsOnlyItsOwnUser) {
    const QString name = TestServerName("peer");
    SingleInstance first(name);
    ASSERT_TRUE(first.Listen());
    QLocalSocket socket;
    socket.connectToServer(name);
    ASSERT_TRUE(socket.waitForConnected(2000));
    EXPECT_TRUE(PeerIsThisUser(socket.socketDescriptor()));
    EXPECT_FALSE(PeerIsThisUser(-1)) << "no socket, no user";
}

// SIGTERM ends the event loop, so the program's objects go and its socket file with them.
TEST(SingleInstance, TerminationEndsTheEventLoopAndTheSocketFileGoes) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath(QStringLiteral("quovadra-term"));
    auto instance = std::make_unique<SingleInstance>(name);
    ASSERT_TRUE(instance->Listen());
    ASSERT_TRUE(QFileInfo::exists(name));
    {
        TerminationSignal termination;
        QSignalSpy terminated(&termination, &TerminationSignal::Terminated);
        ASSERT_EQ(::raise(SIGTERM), 0);
        ASSERT_TRUE(terminated.wait(5000));
    }
    instance.reset();
    EXPECT_FALSE(QFileInfo::exists(name));
}

TEST(SingleInstance, EachDataFolderHasItsOwnProgram) {
    EXPECT_EQ(SingleInstance::ServerNameFor(QStringLiteral("/home/a/.local/share/Quovadra/")),
              SingleInstance::ServerNameFor(QStringLiteral("/home/a/.local/share/Quovadra")));
    EXPECT_NE(SingleInstance::ServerNameFor(QStringLiteral("/home/a/.local/share/Quovadra")),
              SingleInstance::ServerNameFor(QStringLiteral("/tmp/other/Quovadra")));
}

TEST(StartOptions, FilesAndTheQuitTime) {
    const StartOptions none = ParseStartOptions({QStringLiteral("quovadra")});
    EXPECT_TRUE(none.files.isEmpty());
    EXPECT_FALSE(none.quitAfterMilliseconds.has_value());

    const StartOptions some = ParseStartOptions(
        {QStringLiteral("quovadra"), QStringLiteral("a.kts"), QStringLiteral("--quit-after"), QStringLiteral("3000"),
         QStringLiteral("--unbekannt"), QStringLiteral("--"), QStringLiteral("--b.kts")});
    EXPECT_EQ(some.files, (QStringList{QStringLiteral("a.kts"), QStringLiteral("--b.kts")}));
    EXPECT_EQ(some.quitAfterMilliseconds, 3000);

    EXPECT_TRUE(some.error.isEmpty());
    EXPECT_FALSE(some.help || some.version);
}

TEST(StartOptions, AQuitTimeThatIsNoNumberIsRefused) {
    for (const QStringList& args : {QStringList{QStringLiteral("--quit-after"), QStringLiteral("abc")},
                                    QStringList{QStringLiteral("--quit-after"), QStringLiteral("-5")},
                                    QStringList{QStringLiteral("--quit-after")}}) {
        const StartOptions options = ParseStartOptions(QStringList{QStringLiteral("quovadra")} + args);
        EXPECT_FALSE(options.quitAfterMilliseconds.has_value()) << args.join(' ').toStdString();
        EXPECT_TRUE(options.error.contains(QStringLiteral("'--quit-after"))) << options.error.toStdString();
    }
}

TEST(StartOptions, HelpAndVersion) {
    EXPECT_TRUE(ParseStartOptions({QStringLiteral("quovadra"), QStringLiteral("--help")}).help);
    EXPECT_TRUE(ParseStartOptions({QStringLiteral("quovadra"), QStringLiteral("-h")}).help);
    EXPECT_TRUE(ParseStartOptions({QStringLiteral("quovadra"), QStringLiteral("--version")}).version);
    // After "--" they are file names.
    EXPECT_FALSE(ParseStartOptions({QStringLiteral("quovadra"), QStringLiteral("--"), QStringLiteral("--help")}).help);
    EXPECT_TRUE(StartHelpText().contains(QStringLiteral("--quit-after MS")));
    EXPECT_TRUE(StartVersionText().startsWith(QStringLiteral("quovadra 1.")));
}

class HandedFilesTest : public MainWindowFixture {};

TEST_F(HandedFilesTest, ASlipFileHandedOverOpensInTheMainWindow) {
    SaveDraws(DrawFile(), MadeUpHistory(3));
    Start();
    auto* slipTabs = Main<QTabWidget>(QStringLiteral("PC1"));
    const int tabsBefore = slipTabs->count();

    // The running program listens; a second start of it hands over what the file manager gave it.
    SingleInstance running(TestServerName("main"));
    ASSERT_TRUE(running.Listen());
    QObject::connect(&running, &SingleInstance::FilesHandedOver,
                     [this](const QStringList& paths) { OpenHandedFiles(m_app->Context(), paths); });
    const QString slip = WriteSlip("Freitag.kts", Slip({{1, {5, 6, 7}}}, 1));
    const QString missing = FromPath(Data() / "fehlt.kts");
    const QString other = FromPath(Data() / "Notiz.txt");
    QFile(other).open(QIODevice::WriteOnly);
    QSignalSpy handed(&running, &SingleInstance::FilesHandedOver);
    ASSERT_TRUE(SingleInstance(TestServerName("main")).HandOver({slip, missing, other}));
    ASSERT_TRUE(handed.wait(5000));

    ASSERT_EQ(slipTabs->count(), tabsBefore + 1);
    EXPECT_EQ(slipTabs->tabText(slipTabs->count() - 1), QStringLiteral("Freitag"));
    EXPECT_EQ(State().SlipList.back().kenotyp[0], 3);
    EXPECT_EQ(
        Boxes(Kind::Error),
        (QStringList{
            QStringLiteral("Die Datei\r%1\rwurde nicht gefunden.").arg(missing),
            QStringLiteral("Die Datei\r%1\rist keine Spielschein-Datei (*.kts) und wird nicht geöffnet.").arg(other)}));

    // Handed over while the start window still waits for "Weiter": the slip waits in the main window,
    // which shows with it after the fade.
    EXPECT_FALSE(m_main->isVisible());
    Continue();
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_EQ(slipTabs->tabText(slipTabs->count() - 1), QStringLiteral("Freitag"));
}

TEST_F(HandedFilesTest, APrintParameterFileOpensInAnEditorAndBecomesTheProgramsSet) {
    Start();
    TDruckParameter set = State().PrintParameters;
    set.abstandHori = 611;
    const std::filesystem::path file = Data() / "Schmal.QVPD";
    WritePrintParameterFile(file, set);

    OpenHandedFiles(m_app->Context(), {FromPath(file)});

    TFDetail* editor = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        editor = editor ? editor : qobject_cast<TFDetail*>(window);
    }
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(Find<QLineEdit>(editor, QStringLiteral("eHori"))->text(), QStringLiteral("611"));
    EXPECT_EQ(State().PrintParameters, set);
    EXPECT_TRUE(m_fakes.messages.boxes.isEmpty());
}

} // namespace
} // namespace qv::test
