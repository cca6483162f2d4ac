#include "cli/CliCommands.h"
#include "cli/CliCommon.h"
#include "engine/core/ProgramState.h"

#include <QCoreApplication>
#if defined(QV_CLI_PRINTS)
#include <QGuiApplication>
#endif

#include <cstring>
#include <memory>

// quovadra-cli GROUP COMMAND [ARGS]: the program's engine for scripts and batch work. Built twice:
// quovadra-cli with QtCore only, and quovadra-cli-print, which it runs for the print command.
int main(int argc, char* argv[]) {
    std::unique_ptr<QCoreApplication> app;
#if defined(QV_CLI_PRINTS)
    // Printing draws text, which needs the font machinery of a GUI application; no screen is needed.
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    if (!app) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Quovadra"));
    using namespace qv::cli;

    const QStringList words = QCoreApplication::arguments().mid(1);
    const auto overview = [] {
        PrintOut(QStringLiteral("Aufruf: quovadra-cli BEFEHL [ARGUMENTE]   (BEFEHL --help zeigt mehr)"));
        PrintOut(QStringLiteral("       quovadra-cli --version"));
        PrintOut(QString());
        for (const Command& command : Commands()) {
            PrintOut(QStringLiteral("  %1 %2").arg(command.name, command.synopsis));
            PrintOut(QStringLiteral("      %1").arg(command.summary));
        }
    };
    if (words.isEmpty()) {
        PrintErr(QStringLiteral("Es fehlt der Befehl."));
        overview();
        return kUsage;
    }
    if (words.first() == QLatin1String("--help") || words.first() == QLatin1String("-h")) {
        overview();
        return kOk;
    }
    if (words.first() == QLatin1String("--version")) {
#if defined(QV_CLI_PRINTS)
        PrintOut(QStringLiteral("quovadra-cli-print %1").arg(QString::fromUtf8(qv::ProductVersion)));
#else
        PrintOut(QStringLiteral("quovadra-cli %1").arg(QString::fromUtf8(qv::ProductVersion)));
#endif
        return kOk;
    }
    // The longest command name that the words begin with ("draws import" before "draws").
    const Command* chosen = nullptr;
    int used = 0;
    for (const Command& command : Commands()) {
        const QStringList name = command.name.split(QLatin1Char(' '));
        if (words.mid(0, name.size()) == name && name.size() > used) {
            chosen = &command;
            used = static_cast<int>(name.size());
        }
    }
    if (chosen == nullptr) {
        PrintErr(QStringLiteral("Unbekannter Befehl: %1").arg(words.join(QLatin1Char(' '))));
        overview();
        return kUsage;
    }
    // Every command ends here: a failure none of them reported, such as memory running out while its
    // arguments are read, still gives a message of the program's own.
    return Guarded([&] { return chosen->run(*chosen, words.mid(used)); });
}
