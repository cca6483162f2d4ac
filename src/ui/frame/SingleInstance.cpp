#include "ui/frame/SingleInstance.h"

#include "platform/LocalSockets.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

namespace qv {
namespace {

// A hand-over is a few paths; anything much longer is not from us and is dropped.
constexpr qint64 kMaxMessageBytes = 1 << 20;

QStringList PathsOf(const QByteArray& message) {
    QStringList paths;
    for (const QByteArray& line : message.split('\n')) {
        if (!line.isEmpty()) {
            paths << QString::fromUtf8(line);
        }
    }
    return paths;
}

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent)
    , m_serverName(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerNameFor(const QString& dataFolder) {
    const std::optional<QString> folder = PrivateSocketFolder();
    return folder ? ServerNameFor(dataFolder, *folder) : QString();
}

QString SingleInstance::ServerNameFor(const QString& dataFolder, const QString& socketFolder) {
    const QByteArray key = QDir::cleanPath(QFileInfo(dataFolder).absoluteFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    const QString name = QStringLiteral("quovadra-") + QString::fromLatin1(hash);
    return socketFolder.isEmpty() ? name : QDir(socketFolder).filePath(name);
}

bool SingleInstance::HandOver(const QStringList& paths, int timeoutMilliseconds) const {
    if (m_serverName.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMilliseconds)) {
        return false;
    }
    if (!PeerIsThisUser(socket.socketDescriptor())) {
        socket.abort(); // the paths go to no one but the user's own program
        return false;
    }
    QByteArray message;
    for (const QString& path : paths) {
        // The running program has its own working folder.
        message += QFileInfo(path).absoluteFilePath().toUtf8() + '\n';
    }
    socket.write(message);
    if (!message.isEmpty() && !socket.waitForBytesWritten(timeoutMilliseconds)) {
        return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(timeoutMilliseconds);
    }
    return true;
}

bool SingleInstance::Listen() {
    if (m_server) {
        return m_server->isListening();
    }
    if (m_serverName.isEmpty()) {
        return false;
    }
    // Nobody answered HandOver, so a socket of ours at that place is a leftover; anything else stays
    // (the server would replace whatever stands there).
    const QString path =
        QDir::isAbsolutePath(m_serverName) ? m_serverName : QDir(QDir::tempPath()).filePath(m_serverName);
    const QFileInfo there(path);
    if ((there.exists() || there.isSymLink()) && !RemoveStaleSocket(path)) {
        return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    return m_server->listen(m_serverName);
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        struct Pending {
            QByteArray bytes;
            bool dropped = false;
        };
        auto pending = std::make_shared<Pending>();
        connect(socket, &QLocalSocket::readyRead, socket, [socket, pending] {
            pending->bytes.append(socket->readAll());
            if (pending->bytes.size() > kMaxMessageBytes) {
                pending->dropped = true;
                pending->bytes.clear();
                socket->abort();
            }
        });
        // The message is complete when the other side hangs up.
        const auto finish = [this, socket, pending] {
            if (!pending->dropped) {
                pending->bytes.append(socket->readAll());
                pending->dropped = true; // once only
                emit FilesHandedOver(PathsOf(pending->bytes));
            }
            socket->deleteLater();
        };
        connect(socket, &QLocalSocket::disconnected, this, finish);
        if (socket->state() == QLocalSocket::UnconnectedState) {
            finish();
        }
    }
}

} // namespace qv
