#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/DrawStore.h"
#include "engine/core/SlipFile.h"
#include "engine/evaluation/Evaluation.h"
#include "text/DataFolder.h"
#include "text/DrawListText.h"
#include "text/ResultGrids.h"

#include <algorithm>
#include <span>

namespace qv::cli {
namespace {

// A draw as the date lists name it ("01.08.2024"), or by its index "#N" (0 = the oldest draw).
int DrawPosition(const QString& given, const QStringList& dateTexts) {
    if (given.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int index = given.mid(1).toInt(&ok);
        return ok && index >= 0 && index < dateTexts.size() ? index : -1;
    }
    return FindDateEntry(dateTexts, given);
}

QString ForTerminal(const char* message) {
    return QString::fromUtf8(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

int RunEvaluate(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption drawsOption(QStringLiteral("draws"),
                                         QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                                         QStringLiteral("DRAWFILE"));
    const QCommandLineOption fromOption(
        QStringLiteral("from"), QStringLiteral("Erste Ziehung: Datum wie in der Datumsliste oder #N (0 = älteste)."),
        QStringLiteral("DATE"));
    const QCommandLineOption toOption(QStringLiteral("to"),
                                      QStringLiteral("Letzte Ziehung (wie „bis:“); ohne sie zählt nur die erste."),
                                      QStringLiteral("DATE"));
    parser.addOption(drawsOption);
    parser.addOption(fromOption);
    parser.addOption(toOption);
    parser.addPositionalArgument(QStringLiteral("SLIP"), QStringLiteral("Spielschein-Dateien (*.kts)."),
                                 QStringLiteral("SLIP..."));
    if (const auto end = ParseCommandLine(parser, command, args, 1, -1)) {
        return *end;
    }
    if (!parser.isSet(fromOption)) {
        PrintErr(QStringLiteral("--from fehlt."));
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    }
    return Guarded([&] {
        const QLocale locale(QLocale::German, QLocale::Germany);
        ProgramState state;
        state.DrawList = LoadDraws(DrawFileOrDefault(parser.value(drawsOption)));
        const QStringList dateTexts = DrawDateTexts(state.DrawList, 0, locale);

        EvaluationRequest request;
        request.fromPos = DrawPosition(parser.value(fromOption), dateTexts);
        if (parser.isSet(toOption)) {
            request.toPos = DrawPosition(parser.value(toOption), dateTexts);
        }
        // Like the slip tabs: a missing file gives an empty slip, whose result shows headings only.
        for (const QString& name : parser.positionalArguments()) {
            const auto slip = ReadSlipFile(ToPath(name));
            if (!slip) {
                PrintErr(QStringLiteral("%1: Die Datei gibt es nicht; der Schein bleibt leer.").arg(name));
            }
            request.slipIndices.push_back(static_cast<int>(state.SlipList.size()));
            state.SlipList.push_back(slip.value_or(TSchein{}));
        }

        const EvaluationRun run = Evaluate(state, request);
        if (run.refusal != nullptr) {
            PrintErr(ForTerminal(run.refusal));
            return kRefused;
        }
        const QString title =
            EvaluationTitle(run.singleDraw, dateTexts.value(run.period.first), dateTexts.value(run.period.Last()));
        bool firstSlip = true;
        for (const SlipResult& result : run.results) {
            if (!firstSlip) {
                PrintOut(QString());
            }
            firstSlip = false;
            PrintOut(title);
            PrintOut(ResultGridHeadings().join(QLatin1Char('\t')));
            // Texts a block at a time: a long period's grid of texts would take many times the rows' memory.
            constexpr std::size_t kBlock = 1024;
            const std::span<const ResultRow> rows(result.rows);
            for (std::size_t first = 0; first < rows.size(); first += kBlock) {
                const auto block = rows.subspan(first, std::min(kBlock, rows.size() - first));
                for (const ResultGridRow& row : ResultGridRows(block, state.DrawList, locale)) {
                    QStringList cells(row.cells.begin(), row.cells.end());
                    PrintOut(cells.join(QLatin1Char('\t')));
                }
            }
        }
        return kOk;
    });
}

} // namespace qv::cli
