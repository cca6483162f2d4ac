#include "cli/CliCommands.h"
#include "cli/CliCommon.h"
#include "cli/CliPeriod.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/analysis/ComboSearch.h"
#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/core/ProgramState.h"
#include "text/ComboTexts.h"
#include "text/DateText.h"

#include <charconv>
#include <chrono>
#include <iostream>
#include <string>
#include <variant>

namespace qv::cli {
namespace {

QLocale German() {
    return QLocale(QLocale::German, QLocale::Germany);
}

// A message box text on the terminal: every carriage return becomes a line break.
QString AsLines(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The draw file and the period of a run or a search.
struct DrawOptions {
    QCommandLineOption draws{QStringLiteral("draws"), QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                             QStringLiteral("ZIEHUNGSDATEI")};
    PeriodOptions period;

    void AddTo(QCommandLineParser& parser) const {
        parser.addOption(draws);
        period.AddTo(parser);
    }
};

// The draws and the chosen period (the whole history when neither end is given), or an exit code after
// a message.
struct LoadedPeriod {
    std::vector<TGewZahlen> draws;
    Period period;
};

std::variant<LoadedPeriod, int> LoadPeriod(const QCommandLineParser& parser, const DrawOptions& options) {
    LoadedPeriod loaded;
    loaded.draws = LoadDraws(DrawFileOrDefault(parser.value(options.draws)));
    const int count = static_cast<int>(loaded.draws.size());
    if (count == 0) {
        PrintErr(QStringLiteral("Die Ziehungsdatei enthält keine Ziehungen."));
        return kRefused;
    }
    // An end that names no draw gives position -1, which the period check refuses.
    const auto positionOf = [&parser, &loaded](const QCommandLineOption& option, PeriodEnd end, int otherwise) {
        return parser.isSet(option) ? DrawPositionOf(parser.value(option), loaded.draws, end).value_or(-1) : otherwise;
    };
    const auto period = ResolvePeriod(positionOf(options.period.from, PeriodEnd::From, 0),
                                      positionOf(options.period.to, PeriodEnd::To, count - 1), count);
    if (!period) {
        PrintErr(PeriodErrorLines());
        return kRefused;
    }
    loaded.period = *period;
    return loaded;
}

std::vector<NumberSet> PeriodSetsOf(const LoadedPeriod& loaded) {
    if (const int invalid = CountInvalidDraws(loaded.draws, loaded.period.first, loaded.period.Last())) {
        PrintErr(QString::fromStdString(InvalidDrawsNote(invalid)));
    }
    return CountableDrawSets(loaded.draws, loaded.period.first, loaded.period.Last());
}

std::optional<int> ParseInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The lists are the bulk of the output (up to 2000 lines): written as one block of bytes rather than a
// formatted string per line.
void PrintList(const char* heading, const std::vector<ComboEntry>& list) {
    std::string text = std::string(heading) + '\n';
    text.reserve(list.size() * 24);
    char number[16];
    const auto append = [&text, &number](auto value, char after) {
        const auto end = std::to_chars(number, number + sizeof number, value).ptr;
        text.append(number, end);
        text += after;
    };
    for (std::size_t j = 0; j < list.size(); ++j) {
        if (list[j].set.Empty()) {
            continue;
        }
        append(j + 1, '\t');
        text += JoinedNumbers(list[j].set);
        text += '\t';
        append(list[j].count, '\n');
    }
    std::cout << text;
}

} // namespace

int RunCombos(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption size(QStringList{QStringLiteral("k")}, QStringLiteral("Größe der Kombinationen, 2 bis 5."),
                                  QStringLiteral("K"));
    parser.addOption(size);
    const DrawOptions periodOptions;
    periodOptions.AddTo(parser);
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    const auto k = ParseInt(parser.value(size));
    if (!parser.isSet(size) || !k || *k < kMinRunSize || *k > kMaxRunSize) {
        PrintErr(QStringLiteral("-k: eine Größe von 2 bis 5 angeben."));
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    }
    return Guarded([&]() -> int {
        auto loaded = LoadPeriod(parser, periodOptions);
        if (const int* exit = std::get_if<int>(&loaded)) {
            return *exit;
        }
        const LoadedPeriod& period = std::get<LoadedPeriod>(loaded);
        const auto started = std::chrono::steady_clock::now();
        const std::uint64_t b =
            static_cast<std::uint64_t>(period.period.extra) + 1 -
            static_cast<std::uint64_t>(CountInvalidDraws(period.draws, period.period.first, period.period.Last()));
        const QLocale locale = German();
        PrintOut(ExpectationText(*k, b, locale));
        PrintOut(CheckCountText(*k, b, locale));
        const ComboRunResult result = RunCombinations(*k, PeriodSetsOf(period));
        PrintList("#tops", result.tops);
        PrintList("#flops", result.flops);
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        PrintOut(DurationText(static_cast<std::uint32_t>(elapsed.count())));
        return kOk;
    });
}

namespace {

// The numbers of --pool, or what is wrong with them.
struct Pool {
    NumberSet set;
    int count = 0;
};

std::variant<Pool, QString> ParsePool(const QString& text) {
    Pool pool;
    for (const QString& word : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto n = ParseInt(word.trimmed());
        if (!n || *n < 1 || *n > kNumbersInGame) {
            return QStringLiteral("--pool: %1 ist keine Zahl von 1 bis 70.").arg(word);
        }
        if (pool.set.Contains(*n)) {
            return QStringLiteral("--pool: %1 steht doppelt.").arg(*n);
        }
        pool.set.Add(*n);
        ++pool.count;
    }
    return pool;
}

// One line per found draw (its date where the window shows it, its numbers, the match), then the
// hit count and the period.
void PrintSearchResult(const SearchResult& result, const LoadedPeriod& period, SearchMode mode) {
    const QLocale locale = German();
    for (const SearchRow& row : result.rows) {
        const TGewZahlen& draw =
            period.draws[static_cast<std::size_t>(period.period.first) + static_cast<std::size_t>(row.offset)];
        QStringList cells{row.showDate ? FormatDate(draw.datum, locale) : QString()};
        for (int p = 0; p < kNumbersPerDraw; ++p) {
            cells << QString::number(draw.GZ[p]);
        }
        cells << QString::fromStdString(JoinedNumbers(row.match));
        PrintOut(cells.join(QLatin1Char('\t')));
    }
    PrintOut(QString::fromStdString(HitCountText(mode, result.rows.size())));
    const int invalid = CountInvalidDraws(period.draws, period.period.first, period.period.Last());
    PrintOut(QString::fromStdString(SearchPeriodText(static_cast<std::size_t>(period.period.extra + 1 - invalid))));
}

} // namespace

int RunSearch(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption poolOption(QStringLiteral("pool"),
                                        QStringLiteral("Die gewählten Zahlen, durch Kommas getrennt."),
                                        QStringLiteral("ZAHLEN"));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("Alle Kombinationen dieser Größe (2 bis 10) aus der Auswahl "
                                                       "suchen; ohne: nur das Auftreten der ganzen Auswahl."),
                                        QStringLiteral("K"));
    parser.addOption(poolOption);
    parser.addOption(sizeOption);
    const DrawOptions periodOptions;
    periodOptions.AddTo(parser);
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    const auto usage = [&command](const QString& problem) {
        PrintErr(problem);
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    };
    const auto parsedPool = ParsePool(parser.value(poolOption));
    if (const QString* problem = std::get_if<QString>(&parsedPool)) {
        return usage(*problem);
    }
    const NumberSet pool = std::get<Pool>(parsedPool).set;
    const int poolCount = std::get<Pool>(parsedPool).count;
    const SearchMode mode = parser.isSet(sizeOption) ? SearchMode::Combinations : SearchMode::WholePool;
    int k = 0;
    if (mode == SearchMode::Combinations) {
        const auto size = ParseInt(parser.value(sizeOption));
        if (!size || *size < kMinKenoType || *size > kMaxKenoType) {
            return usage(QStringLiteral("--size: eine Größe von 2 bis 10 angeben."));
        }
        k = *size;
    }
    if (poolCount > kMaxPoolCount) {
        PrintErr(AsLines(kPoolFullText));
        return kRefused;
    }
    return Guarded([&]() -> int {
        auto loaded = LoadPeriod(parser, periodOptions);
        if (const int* exit = std::get_if<int>(&loaded)) {
            return *exit;
        }
        const LoadedPeriod& period = std::get<LoadedPeriod>(loaded);
        SearchResult result;
        if (mode == SearchMode::WholePool) {
            if (poolCount < 2) {
                PrintErr(AsLines(kWholePoolTooSmallText));
                return kRefused;
            }
            result = SearchWholePool(pool, PeriodSetsOf(period));
        } else {
            if (const char* refusal = CombinationListRefusal(poolCount, k)) {
                PrintErr(AsLines(refusal));
                return kRefused;
            }
            result = SearchCombinations(pool, k, PeriodSetsOf(period));
        }
        PrintOut(SearchInfoText(mode, true, poolCount, k, German()));
        PrintSearchResult(result, period, mode);
        return kOk;
    });
}

} // namespace qv::cli
