#include "platform/LocalSockets.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace qv {

#if defined(Q_OS_UNIX)
namespace {

// A folder that only this user can enter: a real folder, the user's own, mode 0700 exactly.
bool IsPrivateFolder(const QByteArray& path, QString* problem) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        if (problem) {
            *problem = QStringLiteral("Der Ordner „%1“ ist nicht zugänglich. (Systemmeldung: %2)")
                           .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(errno)));
        }
        return false;
    }
    const bool ok = S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
    if (!ok && problem) {
        *problem = QStringLiteral("Der Ordner „%1“ gehört nicht allein diesem Benutzer (kein Ordner, anderer "
                                  "Besitzer oder für andere offen); er wird nicht benutzt.")
                       .arg(QString::fromLocal8Bit(path));
    }
    return ok;
}

int g_termination[2] = {-1, -1};

void OnTermination(int) {
    const char byte = 1;
    // Only what is safe in a signal handler: one write to the pipe the event loop watches.
    [[maybe_unused]] const auto written = ::write(g_termination[1], &byte, 1);
}

} // namespace

std::optional<QString> PrivateSocketFolder(QString* problem) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && runtime.startsWith('/') && IsPrivateFolder(runtime, nullptr)) {
        return QString::fromLocal8Bit(runtime);
    }
    const QString fallback = QDir(QDir::tempPath()).filePath(QStringLiteral("quovadra-%1").arg(::geteuid()));
    const QByteArray path = QFile::encodeName(fallback);
    // mkdir fails on anything already there, a link included; what is there is then checked as it is.
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        if (problem) {
            *problem = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden. (Systemmeldung: %2)")
                           .arg(fallback, QString::fromLocal8Bit(std::strerror(errno)));
        }
        return std::nullopt;
    }
    if (!IsPrivateFolder(path, problem)) {
        return std::nullopt;
    }
    return fallback;
}

bool PeerIsThisUser(qintptr descriptor) {
#if defined(Q_OS_LINUX)
    struct ucred peer {};
    socklen_t size = sizeof peer;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || size != sizeof peer) {
        return false;
    }
    return peer.uid == ::geteuid();
#else
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(static_cast<int>(descriptor), &uid, &gid) == 0 && uid == ::geteuid();
#endif
}

bool RemoveStaleSocket(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != ::geteuid()) {
        return false;
    }
    return ::unlink(name.constData()) == 0;
}

TerminationSignal::TerminationSignal(QObject* parent)
    : QObject(parent) {
    if (g_termination[0] < 0 && ::pipe2(g_termination, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_termination[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_termination[0], bytes, sizeof bytes) > 0) {
        }
        emit Terminated();
    });
    struct sigaction action {};
    action.sa_handler = OnTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

TerminationSignal::~TerminationSignal() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

#else

std::optional<QString> PrivateSocketFolder(QString*) {
    return QString();
}

bool PeerIsThisUser(qintptr) {
    return true;
}

bool RemoveStaleSocket(const QString& path) {
    return QFile::remove(path);
}

TerminationSignal::TerminationSignal(QObject* parent)
    : QObject(parent) {}

TerminationSignal::~TerminationSignal() = default;

#endif

} // namespace qv
