#include "ui/frame/StartOptions.h"

#include "engine/core/ProgramState.h"

namespace qv {

StartOptions ParseStartOptions(const QStringList& arguments) {
    StartOptions options;
    bool onlyFiles = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyFiles || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.files << argument;
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--quit-after")) {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("Nach '--quit-after' fehlt die Zeit in Millisekunden.");
                continue;
            }
            bool ok = false;
            const QString& value = arguments[++i];
            const int milliseconds = value.toInt(&ok);
            if (ok && milliseconds >= 0) {
                options.quitAfterMilliseconds = milliseconds;
            } else {
                options.error = QStringLiteral("'--quit-after %1': Die Zeit muss eine ganze Zahl von Millisekunden "
                                               "sein (0 oder mehr).")
                                    .arg(value);
            }
        }
    }
    return options;
}

QString StartHelpText() {
    return QStringLiteral(
        "Aufruf: quovadra [OPTION...] [DATEI...]\n"
        "Keno-Auswertung für „20 aus 70“: Ziehungen, Spielscheine, Auswertung und Statistik.\n"
        "\n"
        "Spielschein-Dateien (*.kts) öffnen sich in neuen Schein-Reitern des Hauptfensters, Druckparameter\n"
        "(*.qvpd) im Druckparameter-Editor. Läuft das Programm schon über denselben Datenordner, übernimmt\n"
        "es die Dateien und kommt nach vorn; der zweite Start endet dann.\n"
        "\n"
        "Optionen:\n"
        "  -h, --help             zeigt diese Hilfe und endet\n"
        "      --version          zeigt die Programmversion und endet\n"
        "      --quit-after MS    beendet das Programm nach MS Millisekunden, mit Exit-Code 0, wenn das\n"
        "                         Hauptfenster steht (für Prüfungen per Skript)\n"
        "      --                 alle weiteren Argumente sind Dateien\n"
        "\n"
        "Datenordner: ~/.local/share/Quovadra/ ($XDG_DATA_HOME/Quovadra/, wenn gesetzt).\n"
        "Die Befehlszeile für Skripte: quovadra-cli --help.\n");
}

QString StartVersionText() {
    return QStringLiteral("quovadra %1\n").arg(QString::fromUtf8(ProductVersion));
}

} // namespace qv
