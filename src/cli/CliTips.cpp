#include "cli/CliCommands.h"
#include "cli/CliCommon.h"
#include "cli/CliPeriod.h"

#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/core/ProgramState.h"
#include "engine/tips/FrequencyBands.h"
#include "engine/tips/TipGeneration.h"
#include "text/DateText.h"

#include <random>

namespace qv::cli {
namespace {

std::optional<TipMethod> MethodOf(const QString& text) {
    const QString word = text.trimmed().toLower();
    const QStringList names = {QStringLiteral("restanten"), QStringLiteral("favoriten"), QStringLiteral("beide"),
                               QStringLiteral("zufall")};
    for (int m = 0; m < kTipMethodCount; ++m) {
        if (word == QString::number(m) || word == names[m]) {
            return TipMethod(m);
        }
    }
    return std::nullopt;
}

// What the tip centre shows after "Tipps generieren": the bounds, the legend from left to right (lowest
// class first), then the rows.
void PrintTips(const std::vector<TGewZahlen>& draws, const Period& period, int type, TipMethod method, int count,
               std::mt19937_64& generator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    // The bands follow the draws that count; a record that holds no draw is left out and said so.
    const int invalid = CountInvalidDraws(draws, period.first, period.Last());
    if (invalid > 0) {
        PrintErr(QString::fromStdString(InvalidDrawsNote(invalid)));
    }
    const int length = period.Last() - period.first + 1 - invalid;
    PrintOut(QStringLiteral("Zeitraum\t%1\t%2\t%3")
                 .arg(FormatDate(draws[static_cast<std::size_t>(period.first)].datum, german),
                      FormatDate(draws[static_cast<std::size_t>(period.Last())].datum, german))
                 .arg(length));
    const FrequencyBounds bounds = FrequencyBandBounds(length);
    QStringList line{QStringLiteral("Grenzen")};
    for (int bound : bounds) {
        line << QString::number(bound);
    }
    PrintOut(line.join(QLatin1Char('\t')));
    const std::array<std::string, 7> legend = FrequencyLegend(bounds);
    line = QStringList{QStringLiteral("Legende")};
    for (int i = 1; i <= 7; ++i) {
        line << QString::fromStdString(legend[static_cast<std::size_t>(7 - i)]);
    }
    PrintOut(line.join(QLatin1Char('\t')));

    const NumberRankings rankings = RankNumbers(CountPeriodNumbers(draws, period.first, period.Last()));
    const PickBelow below = [&generator](int n) { return std::uniform_int_distribution<int>(0, n - 1)(generator); };
    for (int r = 1; r <= count; ++r) {
        line = QStringList{QString::number(r)};
        for (int n : GenerateRow(type, method, rankings, below)) {
            line << QString::number(n);
        }
        PrintOut(line.join(QLatin1Char('\t')));
    }
}

} // namespace

int RunTips(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption drawsOption(QStringLiteral("draws"),
                                         QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                                         QStringLiteral("ZIEHUNGSDATEI"));
    const PeriodOptions periodOptions;
    const QCommandLineOption typeOption(QStringLiteral("type"), QStringLiteral("KENO-Typ der Tippreihen, 2 bis 10."),
                                        QStringLiteral("K"));
    const QCommandLineOption methodOption(
        QStringLiteral("method"),
        QStringLiteral("0 oder restanten, 1 oder favoriten, 2 oder beide (Restanten und Favoriten), 3 oder zufall."),
        QStringLiteral("M"));
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("Anzahl der Tippreihen (sonst 1)."),
                                         QStringLiteral("N"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Startwert des Zufalls, für wiederholbare Tippreihen."),
                                        QStringLiteral("S"));
    for (const QCommandLineOption* option : {&drawsOption, &periodOptions.from, &periodOptions.to, &typeOption,
                                             &methodOption, &countOption, &seedOption}) {
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
    bool ok = false;
    const int type = parser.value(typeOption).toInt(&ok);
    if (!ok || type < kMinKenoType || type > kMaxKenoType) {
        return usage(QStringLiteral("--type: einen KENO-Typ von 2 bis 10 angeben."));
    }
    const std::optional<TipMethod> method = MethodOf(parser.value(methodOption));
    if (!method) {
        return usage(QStringLiteral("--method: 0 bis 3 oder restanten, favoriten, beide, zufall angeben."));
    }
    int count = 1;
    if (parser.isSet(countOption)) {
        count = parser.value(countOption).toInt(&ok);
        if (!ok || count < 1 || count > 1000) {
            return usage(QStringLiteral("--count: eine Anzahl von 1 bis 1000 angeben."));
        }
    }
    std::mt19937_64 generator;
    if (parser.isSet(seedOption)) {
        const qulonglong seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok) {
            return usage(QStringLiteral("--seed: eine ganze Zahl ab 0 angeben."));
        }
        generator.seed(seed);
    } else {
        generator.seed((static_cast<std::uint64_t>(std::random_device{}()) << 32U) ^ std::random_device{}());
    }

    return Guarded([&]() -> int {
        const std::vector<TGewZahlen> draws = LoadDraws(DrawFileOrDefault(parser.value(drawsOption)));
        const int drawCount = static_cast<int>(draws.size());
        if (drawCount == 0) {
            PrintErr(QStringLiteral("Die Ziehungsdatei enthält keine Ziehungen."));
            return static_cast<int>(kRefused);
        }
        const std::optional<Period> period = ChosenPeriod(parser, periodOptions, draws);
        if (!period) {
            return static_cast<int>(kRefused);
        }
        PrintTips(draws, *period, type, *method, count, generator);
        return static_cast<int>(kOk);
    });
}

} // namespace qv::cli
