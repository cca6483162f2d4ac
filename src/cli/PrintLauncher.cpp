#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace qv::cli {

// The print command draws with the GUI libraries, which this program does not load: it is run by
// quovadra-cli-print, installed beside it, in place of this process.
int RunPrint(const Command& command, const QStringList& args) {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/quovadra-cli-print");
    std::vector<std::string> words{QFile::encodeName(program).toStdString()};
    for (const QString& word : QStringList{command.name} + args) {
        words.push_back(QFile::encodeName(word).toStdString());
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    execv(argv.front(), argv.data());
    const int error = errno;
    PrintErr(QStringLiteral("Drucken geht nicht: das Programm %1 lässt sich nicht starten. (Systemmeldung: %2)")
                 .arg(program, QString::fromLocal8Bit(std::strerror(error))));
    return kRefused;
}

} // namespace qv::cli
