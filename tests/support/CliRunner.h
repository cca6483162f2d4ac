#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace qv::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs quovadra-cli with its data folder inside home (XDG_DATA_HOME), so no test touches the user's.
inline CliRun Cli(const QTemporaryDir& home, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QV_CLI_PATH), args);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace qv::test
