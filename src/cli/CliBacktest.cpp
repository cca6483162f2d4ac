#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/tips/Backtest.h"
#include "text/BacktestTexts.h"

#include <climits>

namespace qv::cli {
namespace {

// A whole number option, or its default when the option is not given; nothing when the text is no number.
std::optional<long long> NumberOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                      long long fallback) {
    if (!parser.isSet(option)) {
        return fallback;
    }
    bool ok = false;
    const long long value = parser.value(option).trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

void PrintTable(const QStringList& headings, const std::vector<QStringList>& rows) {
    PrintOut(headings.join(QLatin1Char('\t')));
    for (const QStringList& row : rows) {
        PrintOut(row.join(QLatin1Char('\t')));
    }
}

} // namespace

int RunBacktest(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption drawsOption(QStringLiteral("draws"),
                                         QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                                         QStringLiteral("ZIEHUNGSDATEI"));
    const QCommandLineOption typeOption(
        QStringLiteral("type"), QStringLiteral("KENO-Typ der Tippreihen, 2 bis 10 (sonst 6)."), QStringLiteral("K"));
    const QCommandLineOption windowOption(
        QStringLiteral("window"),
        QStringLiteral("Aus wie vielen Ziehungen vor ihr jede Tippreihe gebildet wird (sonst 100)."),
        QStringLiteral("N"));
    const QCommandLineOption playOption(QStringLiteral("play"),
                                        QStringLiteral("In wie vielen Ziehungen jede Tippreihe gespielt wird: 1, 2, 4, "
                                                       "7 oder 14 (sonst 1)."),
                                        QStringLiteral("D"));
    const QCommandLineOption stakeOption(QStringLiteral("stake"),
                                         QStringLiteral("Einsatz je Ziehung in Euro: 1, 2, 3, 4, 5 oder 10 (sonst 1)."),
                                         QStringLiteral("E"));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls (sonst 1); gleicher Startwert, gleiche Reihen."),
        QStringLiteral("S"));
    for (const QCommandLineOption* option :
         {&drawsOption, &typeOption, &windowOption, &playOption, &stakeOption, &seedOption}) {
        parser.addOption(*option);
    }
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    const auto usage = [&command](const QString& problem) {
        PrintErr(problem);
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    };

    BacktestRequest request;
    const struct {
        const QCommandLineOption* option;
        int* target;
    } numbers[] = {{&typeOption, &request.kenoType},
                   {&windowOption, &request.window},
                   {&playOption, &request.drawsPlayed},
                   {&stakeOption, &request.stakeEuros}};
    for (const auto& [option, target] : numbers) {
        const std::optional<long long> value = NumberOption(parser, *option, *target);
        if (!value || *value < INT_MIN || *value > INT_MAX) {
            return usage(QStringLiteral("--%1: eine ganze Zahl angeben.").arg(option->names().constFirst()));
        }
        *target = static_cast<int>(*value);
    }
    if (parser.isSet(seedOption)) {
        bool ok = false;
        request.seed = parser.value(seedOption).trimmed().toULongLong(&ok);
        if (!ok) {
            return usage(QStringLiteral("--seed: eine ganze Zahl ab 0 angeben."));
        }
    }
    // What the request itself gets wrong is a usage error; a history too short is a refusal below.
    const std::string refusal = BacktestRefusal(request, INT_MAX);
    if (!refusal.empty()) {
        return usage(QString::fromStdString(refusal));
    }

    return Guarded([&]() -> int {
        const std::vector<TGewZahlen> stored = LoadDraws(DrawFileOrDefault(parser.value(drawsOption)));
        const std::vector<TGewZahlen> draws = CompleteDraws(stored);
        if (draws.size() < stored.size()) {
            PrintErr(QString::fromStdString(InvalidDrawsNote(static_cast<int>(stored.size() - draws.size()))));
        }
        const std::string tooShort = BacktestRefusal(request, static_cast<int>(draws.size()));
        if (!tooShort.empty()) {
            PrintErr(QString::fromStdString(tooShort));
            return static_cast<int>(kRefused);
        }
        const BacktestResult result = qv::RunBacktest(draws, request, MersennePicks());
        const QLocale german(QLocale::German, QLocale::Germany);
        PrintOut(BacktestScopeText(result, draws, german));
        PrintTable(BacktestHeadings(), BacktestRows(result, german));
        PrintTable(BacktestHitHeadings(request.kenoType), BacktestHitRows(result, german));
        PrintOut(ExpectedReturnText(request.kenoType, german));
        PrintOut(ChanceNoteText());
        return static_cast<int>(kOk);
    });
}

} // namespace qv::cli
