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

} // namespace

int RunPrint(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption slips(QStringLiteral("slips"), QStringLiteral("Spielschein-Datei (mehrfach möglich)."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Textdatei mit einer Tippreihe je Zeile."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption draws(QStringLiteral("draws"), QStringLiteral("Anzahl der Ziehungen (Textdatei)."),
                                   QStringLiteral("N"));
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
                                    QStringLiteral("FILE"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Die PDF-Datei, die geschrieben wird."),
                                 QStringLiteral("OUT.pdf"));
    const QCommandLineOption marks(QStringLiteral("marks"),
                                   QStringLiteral("Listet die Markierungen: Schein, Text, X, Y in 0,1 mm."));
    parser.addOptions({slips, text, draws, stake, start, end, number, noNumber, hori, vert, params, pdf, marks});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Weitere Spielschein-Dateien zu --slips."),
                                 QStringLiteral("[FILE...]"));
    if (const auto stop = ParseCommandLine(parser, command, args, 0, -1)) {
        return *stop;
    }
    const QStringList slipFiles = parser.values(slips) + parser.positionalArguments();
    const auto usage = [&command](const QString& problem) -> int {
        PrintErr(problem);
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    };
    if (!parser.isSet(pdf)) {
        return usage(QStringLiteral("--pdf fehlt."));
    }
    if (slipFiles.isEmpty() == !parser.isSet(text)) {
        return usage(QStringLiteral("Entweder --slips oder --text angeben."));
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

        if (parser.isSet(text)) {
            const auto bytes = ReadWholeFile(ToPath(parser.value(text)));
            if (!bytes) {
                PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(parser.value(text)));
                return kRefused;
            }
            job.rows = ParseTipRows(DecodeTextFile(*bytes));
            job.rowsFromText = true;
            if (parser.isSet(draws) || parser.isSet(stake)) {
                const int drawIndex = DrawCountIndexOf(parser.value(draws).toInt());
                const int stakeIndex = StakeIndexOf(parser.value(stake).toInt());
                if (drawIndex < 0 || stakeIndex < 0) {
                    return usage(QStringLiteral("--draws ist 1, 2, 4, 7 oder 14, --stake 1, 2, 3, 4, 5 oder 10."));
                }
                job.textChoice = PrintJob::BoxChoice{stakeIndex, drawIndex};
            }
        } else {
            int rowsSoFar = 0;
            for (const QString& file : slipFiles) {
                const auto slip = ReadSlipFile(ToPath(file));
                if (!slip) {
                    PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(file));
                    return kRefused;
                }
                for (TipRowCells& row : SlipPrintRows(*slip, rowsSoFar)) {
                    job.rows.push_back(std::move(row));
                }
                rowsSoFar = static_cast<int>(job.rows.size());
            }
        }

        const std::filesystem::path paramFile =
            parser.isSet(params) ? ToPath(parser.value(params)) : folder / "BEL.qvpd";
        std::optional<TDruckParameter> set;
        try {
            set = ReadPrintParameterFile(paramFile);
        } catch (const ParameterFileTooShort& error) {
            PrintErr(QStringLiteral("%1: %2").arg(FromPath(paramFile), QString::fromUtf8(error.what())));
            return kRefused;
        }
        if (!set) {
            PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(FromPath(paramFile)));
            return kRefused;
        }

        const PrintPlan plan = PlanPrint(job, *set);
        if (plan.refusal) {
            PrintErr(OneLine(PrintRefusalText(*plan.refusal)));
            return kRefused;
        }
        const QByteArray bytes =
            SlipSheetsPdf(plan.slips, QPageSize(QPageSize::A4), QStringLiteral("Tippschein-Druck"));
        WriteFileSafely(ToPath(parser.value(pdf)), std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                             static_cast<std::size_t>(bytes.size())));
        if (parser.isSet(marks)) {
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
        return kOk;
    });
}

} // namespace qv::cli
