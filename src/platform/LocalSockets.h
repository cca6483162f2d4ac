#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace qv {

// Where and how the program's local sockets are kept so that no other user can stand in for the
// program or listen in. The system calls behind them exist on Linux and other Unix systems; on
// Windows the local server's pipes are the user's own already and these answer accordingly.

// The folder for the program's sockets: $XDG_RUNTIME_DIR when it is a folder (not a link) of this user
// with mode 0700; otherwise "quovadra-" and the user's id in the temporary folder, created with mode
// 0700 when missing and refused when it is a link, not the user's or open to others. Nothing when no
// safe folder is to be had (problem then says why, in German). An empty text on Windows.
std::optional<QString> PrivateSocketFolder(QString* problem = nullptr);

// Whether the process at the other end of the connected local socket descriptor runs as this user.
bool PeerIsThisUser(qintptr descriptor);

// Removes what a crashed program left at path: a socket of this user's own. Anything else (a plain
// file, a link, another user's socket) stays and false is returned.
bool RemoveStaleSocket(const QString& path);

// Turns SIGTERM (and SIGINT, SIGHUP) into the signal Terminated, heard in the event loop, instead of
// ending the process on the spot: the program can then end its event loop, so that its objects are
// destroyed and its socket file is removed. One at a time; the signals' default comes back with its
// destruction.
class TerminationSignal : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void Terminated();
};

} // namespace qv
