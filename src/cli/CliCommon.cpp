#include "cli/CliCommon.h"

#include "engine/core/DrawStore.h"
#include "engine/core/FileError.h"
#include "text/DataFolder.h"

#include <iostream>
#include <new>

namespace qv::cli {

std::optional<int> ParseCommandLine(QCommandLineParser& parser, const Command& command, const QStringList& args,
                                    int minPositionals, int maxPositionals) {
    parser.setApplicationDescription(command.summary);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt diese Hilfe."));
    parser.addOption(help);
    QStringList argv = args;
    argv.prepend(QStringLiteral("quovadra-cli ") + command.name);
    const auto usage = [&command](const QString& problem) {
        PrintErr(problem);
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    };
    if (!parser.parse(argv)) {
        return usage(parser.errorText());
    }
    if (parser.isSet(help)) {
        PrintOut(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        PrintOut(QString());
        PrintOut(command.summary);
        QString options = parser.helpText().section(QStringLiteral("Options:"), 1);
        options.replace(QStringLiteral("Arguments:"), QStringLiteral("Argumente:"));
        if (!options.trimmed().isEmpty()) {
            PrintOut(QStringLiteral("\nOptionen:") + options.trimmed().prepend(QStringLiteral("\n  ")));
        }
        return kOk;
    }
    const auto count = parser.positionalArguments().size();
    if (count < minPositionals || (maxPositionals >= 0 && count > maxPositionals)) {
        return usage(QStringLiteral("Falsche Zahl von Argumenten."));
    }
    return std::nullopt;
}

void PrintOut(const QString& text) {
    std::cout << text.toStdString() << '\n';
}

void PrintErr(const QString& text) {
    std::cerr << text.toStdString() << '\n';
}

std::filesystem::path DrawFileOrDefault(const QString& given) {
    return given.isEmpty() ? DefaultDataFolder() / kDrawFileName : ToPath(given);
}

int Guarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (const FileError& e) {
        PrintErr(QString::fromStdString(e.what()));
        return kRefused;
    } catch (const std::bad_alloc&) {
        PrintErr(QStringLiteral("Für diese Arbeit reicht der Arbeitsspeicher nicht; sie wurde abgebrochen, keine Datei "
                                "wurde verändert."));
        return kRefused;
    } catch (const std::exception& e) {
        PrintErr(QStringLiteral("Die Arbeit wurde wegen eines Fehlers abgebrochen. (Systemmeldung: %1)")
                     .arg(QString::fromLocal8Bit(e.what())));
        return kRefused;
    }
}

} // namespace qv::cli
