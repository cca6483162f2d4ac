#include "cli/CliCommands.h"
#include "cli/CliCommon.h"
#include "cli/CliPeriod.h"

#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/SlipFile.h"
#include "engine/evaluation/Evaluation.h"
#include "text/DataFolder.h"
#include "text/DrawListText.h"
#include "text/OddsTexts.h"
#include "text/ResultGrids.h"

#include <algorithm>
#include <span>

namespace qv::cli {
namespace {

QString ForTerminal(const char* message) {
    return QString::fromUtf8(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

int RunEvaluate(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption drawsOption(QStringLiteral("draws"),
                                         QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                                         QStringLiteral("ZIEHUNGSDATEI"));
    // Without --to only the first draw counts, as without "bis:" in the main window.
    const PeriodOptions period;
    parser.addOption(drawsOption);
    period.AddTo(parser);
    parser.addPositionalArgument(QStringLiteral("SCHEIN"), QStringLiteral("Spielschein-Dateien (*.kts)."),
                                 QStringLiteral("SCHEIN..."));
    if (const auto end = ParseCommandLine(parser, command, args, 1, -1)) {
        return *end;
    }
    if (!parser.isSet(period.from)) {
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
        // A text that names no draw gives position -1, which the evaluation refuses like any bad period.
        request.fromPos = DrawPositionOf(parser.value(period.from), state.DrawList, PeriodEnd::From).value_or(-1);
        if (parser.isSet(period.to)) {
            request.toPos = DrawPositionOf(parser.value(period.to), state.DrawList, PeriodEnd::To).value_or(-1);
        }
        // Every slip is read before anything is evaluated: a missing file or one that holds no slip
        // stops the command, as a result table without it would pass for the whole answer.
        for (const QString& name : parser.positionalArguments()) {
            const auto slip = LoadSlip(ToPath(name));
            if (!slip) {
                PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(name));
                return kRefused;
            }
            request.slipIndices.push_back(static_cast<int>(state.SlipList.size()));
            state.SlipList.push_back(*slip);
        }

        const EvaluationRun run = Evaluate(state, request);
        if (run.refusal != nullptr) {
            PrintErr(ForTerminal(run.refusal));
            return kRefused;
        }
        if (run.invalidDraws > 0) {
            PrintErr(QString::fromStdString(InvalidDrawsNote(run.invalidDraws)));
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
            // The line under the window's result grid.
            PrintOut(BalanceText(result.balance, locale));
        }
        return kOk;
    });
}

} // namespace qv::cli
