#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/GameTables.h"
#include "engine/core/IniFile.h"
#include "engine/core/SafeFile.h"
#include "engine/core/SlipFile.h"
#include "engine/printing/PrintSettings.h"
#include "engine/printing/SlipPrintPlan.h"
#include "platform/SlipSheets.h"
#include "text/DataFolder.h"
#include "text/PrintTexts.h"

namespace qv::cli {
namespace {

// The refusal as one line: the boxes' line breaks become blanks.
QString OneLine(QString text) {
    return text.replace(QStringLiteral("\r\r"), QStringLiteral(" ")).replace(QLatin1Char('\r'), QLatin1Char(' '));
}

int Usage(const Command& command, const QString& problem) {
    PrintErr(problem);
    PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
    return kUsage;
}

// The rows of a text file of tip rows, with the stake and draw-count boxes that --draw-count and --stake
// choose for all of them. The exit code after a message when there are none.
std::optional<int> ReadTextRows(const Command& command, const QString& file, const std::optional<QString>& drawCount,
                                const std::optional<QString>& stake, PrintJob& job) {
    std::optional<std::vector<TipRowCells>> rows = ReadTipRowFile(ToPath(file));
    if (!rows) {
        PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(file));
        return kRefused;
    }
    job.rows = std::move(*rows);
    job.rowsFromText = true;
    if (drawCount || stake) {
        const int drawIndex = DrawCountIndexOf(drawCount.value_or(QString()).toInt());
        const int stakeIndex = StakeIndexOf(stake.value_or(QString()).toInt());
        if (drawIndex < 0 || stakeIndex < 0) {
            return Usage(command,
                         QStringLiteral("--draw-count ist 1, 2, 4, 7 oder 14, --stake 1, 2, 3, 4, 5 oder 10."));
        }
        job.textChoice = PrintJob::BoxChoice{stakeIndex, drawIndex};
    }
    return std::nullopt;
}

// The rows of the slip files one after another. The exit code after a message for a missing file.
std::optional<int> ReadSlipRows(const QStringList& files, PrintJob& job) {
    int rowsSoFar = 0;
    for (const QString& file : files) {
        const auto slip = LoadSlip(ToPath(file));
        if (!slip) {
            PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(file));
            return kRefused;
        }
        for (TipRowCells& row : SlipPrintRows(*slip, rowsSoFar)) {
            job.rows.push_back(std::move(row));
        }
        rowsSoFar = static_cast<int>(job.rows.size());
    }
    return std::nullopt;
}

// The print parameters of the file; nothing after a message.
std::optional<TDruckParameter> ReadParameters(const std::filesystem::path& file) {
    std::optional<TDruckParameter> set;
    try {
        set = ReadPrintParameterFile(file);
    } catch (const ParameterFileTooShort& error) {
        PrintErr(QStringLiteral("%1: %2").arg(FromPath(file), QString::fromUtf8(error.what())));
        return std::nullopt;
    }
    if (!set) {
        PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(FromPath(file)));
    }
    return set;
}

// One line per mark: slip, text, x and y in 0.1 mm.
void PrintMarks(const PrintPlan& plan) {
    for (std::size_t i = 0; i < plan.slips.size(); ++i) {
        for (const PrintMark& mark : plan.slips[i].marks) {
            PrintOut(QStringLiteral("%1\t%2\t%3\t%4")
                         .arg(i + 1)
                         .arg(QString::fromStdString(mark.text))
                         .arg(mark.at.x)
                         .arg(mark.at.y));
        }
    }
}

} // namespace

int RunPrint(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption slips(QStringLiteral("slips"), QStringLiteral("Spielschein-Datei (mehrfach möglich)."),
                                   QStringLiteral("DATEI"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Textdatei mit einer Tippreihe je Zeile."),
                                  QStringLiteral("DATEI"));
    const DrawCountOption drawCount(QStringLiteral("Anzahl der Ziehungen (Textdatei)."));
    const QCommandLineOption stake(QStringLiteral("stake"), QStringLiteral("Einsatz pro Tipp in € (Textdatei)."),
                                   QStringLiteral("E"));
    const QCommandLineOption start(QStringLiteral("start"), QStringLiteral("Ausdruck ab Tippreihe (1)."),
                                   QStringLiteral("R"), QStringLiteral("1"));
    const QCommandLineOption end(QStringLiteral("end"), QStringLiteral("bis Tippreihe (die letzte)."),
                                 QStringLiteral("R"));
    const QCommandLineOption number(QStringLiteral("number"), QStringLiteral("Start-Nummer der Scheine (1)."),
                                    QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption noNumber(QStringLiteral("no-number"), QStringLiteral("Keine Schein-Nummer drucken."));
    const QCommandLineOption hori(QStringLiteral("hori"),
                                  QStringLiteral("Korrektur horizontal in 0,1 mm (sonst die des Druckfensters)."),
                                  QStringLiteral("H"));
    const QCommandLineOption vert(QStringLiteral("vert"),
                                  QStringLiteral("Korrektur vertikal in 0,1 mm (sonst die des Druckfensters)."),
                                  QStringLiteral("V"));
    const QCommandLineOption params(QStringLiteral("params"),
                                    QStringLiteral("Druck-Parameter-Datei (sonst BEL.qvpd im Datenordner)."),
                                    QStringLiteral("DATEI"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Die PDF-Datei, die geschrieben wird."),
                                 QStringLiteral("AUSGABE.pdf"));
    const QCommandLineOption marks(QStringLiteral("marks"),
                                   QStringLiteral("Listet die Markierungen: Schein, Text, X, Y in 0,1 mm."));
    drawCount.AddTo(parser);
    parser.addOptions({slips, text, stake, start, end, number, noNumber, hori, vert, params, pdf, marks});
    parser.addPositionalArgument(QStringLiteral("DATEI"), QStringLiteral("Weitere Spielschein-Dateien zu --slips."),
                                 QStringLiteral("[DATEI...]"));
    if (const auto stop = ParseCommandLine(parser, command, args, 0, -1)) {
        return *stop;
    }
    const QStringList slipFiles = parser.values(slips) + parser.positionalArguments();
    if (!parser.isSet(pdf)) {
        return Usage(command, QStringLiteral("--pdf fehlt."));
    }
    if (slipFiles.isEmpty() == !parser.isSet(text)) {
        return Usage(command, QStringLiteral("Entweder --slips oder --text angeben."));
    }

    return Guarded([&]() -> int {
        const std::filesystem::path folder = DefaultDataFolder();
        const PrintSettings settings = ReadPrintSettings(IniFile(folder / kSettingsFileName));
        PrintJob job;
        job.start = parser.value(start).toStdString();
        job.end = parser.value(end).toStdString();
        job.startNumber = parser.value(number).toStdString();
        job.printNumbers = !parser.isSet(noNumber);
        job.hori = parser.isSet(hori) ? parser.value(hori).toStdString() : settings.hori;
        job.vert = parser.isSet(vert) ? parser.value(vert).toStdString() : settings.vert;

        const auto optional = [&parser](const QCommandLineOption& option) {
            return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
        };
        const std::optional<int> refused =
            parser.isSet(text)
                ? ReadTextRows(command, parser.value(text), drawCount.Value(parser), optional(stake), job)
                : ReadSlipRows(slipFiles, job);
        if (refused) {
            return *refused;
        }
        const std::optional<TDruckParameter> set =
            ReadParameters(parser.isSet(params) ? ToPath(parser.value(params)) : folder / "BEL.qvpd");
        if (!set) {
            return kRefused;
        }

        const PrintPlan plan = PlanPrint(job, *set);
        if (plan.refusal) {
            PrintErr(OneLine(PrintRefusalText(*plan.refusal)));
            return kRefused;
        }
        // The sheets are DIN A4 pages without margins: a mark beyond their edge would be lost.
        if (const auto outside = MarkOutside(plan.slips, kA4Sheet, MarkSize)) {
            PrintErr(OneLine(PrintRefusalText(*outside)));
            return kRefused;
        }
        const QByteArray bytes =
            SlipSheetsPdf(plan.slips, QPageSize(QPageSize::A4), QStringLiteral("Tippschein-Druck"));
        WriteFileSafely(ToPath(parser.value(pdf)), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                             static_cast<std::size_t>(bytes.size())));
        if (parser.isSet(marks)) {
            PrintMarks(plan);
        }
        return kOk;
    });
}

} // namespace qv::cli
