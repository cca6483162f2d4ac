#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/SafeFile.h"
#include "engine/tools/VersionInfo.h"
#include "text/BinomialText.h"
#include "text/DataFolder.h"

namespace qv::cli {

int RunNOverK(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("N"), QStringLiteral("Anzahl der Elemente."));
    parser.addPositionalArgument(QStringLiteral("K"), QStringLiteral("Größe der Teilmenge."));
    if (const auto end = ParseCommandLine(parser, command, args, 2, 2)) {
        return *end;
    }
    const QStringList numbers = parser.positionalArguments();
    const BinomialAnswer answer = AnswerBinomial(numbers[0], numbers[1], QLocale(QLocale::German, QLocale::Germany));
    if (answer.refused) {
        PrintErr(QString(answer.text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        return kRefused;
    }
    PrintOut(answer.text);
    return kOk;
}

int RunVersionInfo(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("DATEI"), QStringLiteral("Versionsdatei aus 24-Byte-Sätzen."));
    if (const auto end = ParseCommandLine(parser, command, args, 1, 1)) {
        return *end;
    }
    const QString path = parser.positionalArguments().first();
    return Guarded([&] {
        const auto bytes = ReadWholeFile(ToPath(path));
        if (!bytes) {
            PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(path));
            return static_cast<int>(kRefused);
        }
        const auto version = LastVersionRecord(*bytes);
        if (!version) {
            PrintErr(QStringLiteral("%1: Die Datei enthält keinen vollständigen Versionssatz.").arg(path));
            return static_cast<int>(kRefused);
        }
        PrintOut(QString::fromLatin1(version->data(), static_cast<qsizetype>(version->size())));
        return static_cast<int>(kOk);
    });
}

} // namespace qv::cli
