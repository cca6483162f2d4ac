#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/tips/TipRowSlips.h"
#include "engine/tips/TipRowText.h"
#include "text/DataFolder.h"

namespace qv::cli {

namespace {

// The window's messages break lines with "\r"; a terminal wants "\n".
QString TerminalText(const std::string& message) {
    QString text = QString::fromStdString(message);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

int RunSlipsFromText(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("DATEI"), QStringLiteral("Textdatei mit einer Tippreihe je Zeile."));
    const QCommandLineOption asOption(QStringLiteral("as"),
                                      QStringLiteral("Name der Spielschein-Dateien: PFAD-1.kts, PFAD-2.kts, ..."),
                                      QStringLiteral("PFAD"));
    const DrawCountOption drawCount(QStringLiteral("Anzahl der Ziehungen für alle Scheine (1, 2, 4, 7, 14)."));
    const QCommandLineOption stakeOption(QStringLiteral("stake"),
                                         QStringLiteral("Einsatz pro Tipp in Euro für alle Scheine (1-5, 10)."),
                                         QStringLiteral("E"));
    parser.addOption(asOption);
    drawCount.AddTo(parser);
    parser.addOption(stakeOption);
    if (const auto end = ParseCommandLine(parser, command, args, 1, 1)) {
        return *end;
    }
    if (!parser.isSet(asOption)) {
        PrintErr(QStringLiteral("--as PFAD fehlt."));
        return kUsage;
    }
    return Guarded([&] {
        const QString pathText = parser.positionalArguments().at(0);
        std::optional<std::vector<TipRowCells>> read = ReadTipRowFile(ToPath(pathText));
        if (!read) {
            PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(pathText));
            return kRefused;
        }
        std::vector<TipRowCells>& rows = *read;
        const std::optional<QString> draws = drawCount.Value(parser);
        // As "Für alle Scheine eintragen" does: the values go into every slip's first row.
        for (std::size_t first = 0; first < rows.size(); first += 8) {
            if (draws) {
                rows[first][1] = draws->toStdString();
            }
            if (parser.isSet(stakeOption)) {
                rows[first][2] = parser.value(stakeOption).toStdString();
            }
        }
        const RowsSaved saved = SaveRowsAsSlips(rows, ToPath(parser.value(asOption)));
        if (saved.refusal) {
            PrintErr(TerminalText(*saved.refusal));
            return kRefused;
        }
        for (const std::filesystem::path& file : saved.files) {
            PrintOut(FromPath(file));
        }
        PrintOut(QString::fromStdString(SavedFilesCount(static_cast<int>(saved.files.size()))));
        return kOk;
    });
}

} // namespace qv::cli
