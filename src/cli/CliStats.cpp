#include "cli/CliCommands.h"
#include "cli/CliCommon.h"
#include "cli/CliPeriod.h"

#include "engine/analysis/DrawStatistics.h"
#include "engine/analysis/Significance.h"
#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/ProgramState.h"
#include "text/Amounts.h"
#include "text/SignificanceText.h"

namespace qv::cli {
namespace {

// The significance view of the statistics window: the σ and χ² lines, what they mean, then slot,
// number, frequency and deviation in σ.
void PrintSignificance(const Significance& significance, const NumberCounts& frequencies,
                       const std::array<int, 70>& placed, const QLocale& locale) {
    PrintOut(SigmaLine(significance, locale));
    PrintOut(ChiSquareLine(significance, locale));
    PrintOut(SigmaMeaning(significance));
    PrintOut(ChiSquareMeaning(significance, locale));
    PrintOut(QStringLiteral("Platz\tZahl\tHäufigkeit\tAbweichung (σ)"));
    for (int s = 1; s <= 70; ++s) {
        const auto n = static_cast<std::size_t>(placed[static_cast<std::size_t>(s - 1)] - 1);
        PrintOut(QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(s)
                     .arg(n + 1)
                     .arg(frequencies[n])
                     .arg(DeviationText(significance.deviations[n], locale)));
    }
}

// The numbers in the order of their places: by number (0), by frequency (1) or by absence (2).
std::array<int, 70> PlacesInOrder(int order, const NumberCounts& frequencies, const NumberCounts& absences) {
    if (order != 0) {
        return SlotsByDescendingValue(order == 1 ? frequencies : absences);
    }
    std::array<int, 70> placed{};
    for (int n = 1; n <= 70; ++n) {
        placed[static_cast<std::size_t>(n - 1)] = n;
    }
    return placed;
}

} // namespace

int RunStats(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption drawsOption(QStringLiteral("draws"),
                                         QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                                         QStringLiteral("ZIEHUNGSDATEI"));
    const PeriodOptions period;
    const QCommandLineOption orderOption(
        QStringLiteral("order"),
        QStringLiteral("Sortierung der Plätze: 0 Nummern, 1 Häufigkeit absteigend, 2 meist ausgeblieben."),
        QStringLiteral("0|1|2"), QStringLiteral("0"));
    const QCommandLineOption significanceOption(
        QStringLiteral("significance"),
        QStringLiteral("Statt der Streubänder: Abweichung jeder Zahl in σ und χ²-Test auf Gleichverteilung."));
    parser.addOption(drawsOption);
    period.AddTo(parser);
    parser.addOption(orderOption);
    parser.addOption(significanceOption);
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    bool orderOk = false;
    const int order = parser.value(orderOption).toInt(&orderOk);
    if (!orderOk || order < 0 || order > 2) {
        PrintErr(QStringLiteral("--order: 0, 1 oder 2 angeben."));
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    }
    return Guarded([&]() -> int {
        ProgramState state;
        const std::filesystem::path drawFile = DrawFileOrDefault(parser.value(drawsOption));
        state.DrawList = LoadDraws(drawFile);
        if (state.DrawList.empty()) {
            PrintNoDraws(drawFile);
            return kRefused;
        }
        const std::optional<Period> chosen = ChosenPeriod(parser, period, state.DrawList);
        if (!chosen) {
            return kRefused;
        }
        // The statistics need two draws at least.
        if (chosen->extra < 1) {
            PrintErr(PeriodErrorLines());
            return kRefused;
        }
        const int first = chosen->first;
        const int last = chosen->Last();
        const DrawStatistics stats = ComputeStatistics(state.DrawList, first, last);
        if (stats.invalidDraws > 0) {
            PrintErr(QString::fromStdString(InvalidDrawsNote(stats.invalidDraws)));
        }
        BuildPeriodSets(state, first, last - first);
        const NumberCounts absences = CountAbsences(state.PeriodSets);
        const QLocale german(QLocale::German, QLocale::Germany);

        const std::array<int, 70> placed = PlacesInOrder(order, stats.frequencies, absences);

        PrintOut(QStringLiteral("Der Auswertungszeitraum umfasst %1 Ausspielungen").arg(stats.drawCount));
        if (parser.isSet(significanceOption)) {
            PrintSignificance(ComputeSignificance(stats.frequencies, stats.drawCount), stats.frequencies, placed,
                              german);
            return kOk;
        }
        PrintOut(QStringLiteral("P = ") + FormatAmount(stats.expected, 1, german));
        for (int k = 1; k <= 7; ++k) {
            PrintOut(QStringLiteral("T%1\t%2").arg(k).arg(stats.thresholds[static_cast<std::size_t>(k - 1)]));
        }
        // The legend as the window shows it: PAbw1 for the rarest class on the left.
        for (int i = 1; i <= 7; ++i) {
            PrintOut(QStringLiteral("PAbw%1\t%2")
                         .arg(i)
                         .arg(QString::fromStdString(stats.legends[static_cast<std::size_t>(7 - i)])));
        }
        PrintOut(QStringLiteral("Platz\tZahl\tHäufigkeit\tAusgeblieben\tKlasse"));
        for (int s = 1; s <= 70; ++s) {
            const auto n = static_cast<std::size_t>(placed[static_cast<std::size_t>(s - 1)] - 1);
            PrintOut(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                         .arg(s)
                         .arg(n + 1)
                         .arg(stats.frequencies[n])
                         .arg(absences[n])
                         .arg(stats.classes[n]));
        }
        return kOk;
    });
}

} // namespace qv::cli
