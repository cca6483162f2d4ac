#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "text/WinningNumberText.h"

#include <QFile>

#include <cstdio>

namespace qv::cli {

int RunFilter(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Textdatei in UTF-8 (sonst die Standardeingabe)."),
                                 QStringLiteral("[FILE]"));
    if (const auto end = ParseCommandLine(parser, command, args, 0, 1)) {
        return *end;
    }
    const QStringList positional = parser.positionalArguments();
    QFile file;
    bool opened = false;
    if (positional.isEmpty()) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(positional.first());
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        PrintErr(QStringLiteral("%1: %2").arg(positional.value(0, QStringLiteral("-")), file.errorString()));
        return kRefused;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& token : FilterWinningNumbers(text)) {
        PrintOut(token);
    }
    return kOk;
}

} // namespace qv::cli
