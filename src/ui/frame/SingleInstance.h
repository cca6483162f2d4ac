#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace qv {

// One program per user and data folder: a later start hands its files to the running program over a
// local socket and ends. The message is the UTF-8 text of the absolute paths, one a line; an empty
// message asks the running program only to come to the front.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // serverName names the socket; ServerNameFor gives the program's own.
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket of the program for a data folder: the same for every start of one user over one data
    // folder, another for another folder (a second data folder runs its own program). It lies in the
    // user's private socket folder (PrivateSocketFolder), where no other user can put one first; empty
    // when there is no such folder (the program then runs alone).
    static QString ServerNameFor(const QString& dataFolder);
    // The same in the given socket folder (an empty folder: the bare name, as on Windows).
    static QString ServerNameFor(const QString& dataFolder, const QString& socketFolder);

    // Hands paths to a running program of this user. True when one took them; false when none listens
    // (then this process is the first and should Listen) or the listener is not this user's.
    bool HandOver(const QStringList& paths, int timeoutMilliseconds = 2000) const;

    // Takes the files of later starts of this user from now on (others are hung up on). A socket left
    // behind by a crashed program is cleared first; nothing else at its place is removed. False when
    // the socket cannot be set up (the program then runs alone).
    bool Listen();

signals:
    // A later start handed these paths (possibly none).
    void FilesHandedOver(const QStringList& paths);

private:
    void Accept();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace qv
