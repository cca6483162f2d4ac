#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/analysis/ComboSearch.h"
#include "engine/core/Dates.h"
#include "engine/core/DrawStore.h"
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

struct PeriodOptions {
    QCommandLineOption draws{QStringLiteral("draws"), QStringLiteral("Ziehungsdatei (sonst die des Programms)."),
                             QStringLiteral("FILE")};
    QCommandLineOption from{QStringLiteral("from"), QStringLiteral("Erste Ziehung des Zeitraums (Datum)."),
                            QStringLiteral("DATE")};
    QCommandLineOption to{QStringLiteral("to"), QStringLiteral("Letzte Ziehung des Zeitraums (Datum)."),
                          QStringLiteral("DATE")};

    void AddTo(QCommandLineParser& parser) const {
        parser.addOption(draws);
        parser.addOption(from);
        parser.addOption(to);
    }
};

// The draws and the chosen period (the whole history when neither end is given), or an exit code after
// a message.
struct LoadedPeriod {
    std::vector<TGewZahlen> draws;
    Period period;
};

std::variant<LoadedPeriod, int> LoadPeriod(const QCommandLineParser& parser, const PeriodOptions& options) {
    LoadedPeriod loaded;
    loaded.draws = LoadDraws(DrawFileOrDefault(parser.value(options.draws)));
    const int count = static_cast<int>(loaded.draws.size());
    if (count == 0) {
        PrintErr(QStringLiteral("Die Ziehungsdatei enthält keine Ziehungen."));
        return kRefused;
    }
    // The position of the first (from) or last (to) draw of a day; nothing for a day without a draw.
    const auto positionOf = [&loaded, count](const QString& text, bool last) -> std::optional<int> {
        const auto civil = ParseFixedDate(text.toStdString());
        if (!civil || !IsValidCivilDate(*civil)) {
            return std::nullopt;
        }
        const TDate day = ToTDate(*civil);
        for (int i = 0; i < count; ++i) {
            const int p = last ? count - 1 - i : i;
            if (loaded.draws[p].datum == day) {
                return p;
            }
        }
        return -1;
    };
    int fromPos = 0;
    int toPos = count - 1;
    for (const auto& [option, last, position] :
         {std::tuple{&options.from, false, &fromPos}, std::tuple{&options.to, true, &toPos}}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        const QString text = parser.value(*option);
        const auto found = positionOf(text, last);
        if (!found) {
            PrintErr(QStringLiteral("%1: kein Datum (TT.MM.JJJJ oder JJJJ-MM-TT).").arg(text));
            return kUsage;
        }
        if (*found < 0) {
            PrintErr(QStringLiteral("%1: an diesem Tag gibt es keine Ziehung.").arg(text));
            return kRefused;
        }
        *position = *found;
    }
    const auto period = ResolvePeriod(fromPos, toPos, count);
    if (!period) {
        PrintErr(AsLines(PeriodErrorText));
        return kRefused;
    }
    loaded.period = *period;
    return loaded;
}

std::vector<NumberSet> PeriodSetsOf(const LoadedPeriod& loaded) {
    std::vector<NumberSet> sets;
    sets.reserve(static_cast<std::size_t>(loaded.period.extra) + 1);
    for (int i = loaded.period.first; i <= loaded.period.Last(); ++i) {
        sets.push_back(loaded.draws[static_cast<std::size_t>(i)].Numbers());
    }
    return sets;
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
    const PeriodOptions periodOptions;
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
        const std::uint64_t b = static_cast<std::uint64_t>(period.period.extra) + 1;
        const QLocale locale = German();
        PrintOut(ExpectationText(*k, b, locale));
        PrintOut(CheckCountText(*k, b, locale));
        const ComboRunResult result = RunCombinations(*k, PeriodSetsOf(period));
        PrintList("#tops", result.tops);
        PrintList("#flops", result.flops);
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
        PrintOut(QString::fromStdString(DurationText(static_cast<std::uint32_t>(elapsed.count()))));
        return kOk;
    });
}

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
    const PeriodOptions periodOptions;
    periodOptions.AddTo(parser);
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    const auto usage = [&command](const QString& problem) {
        PrintErr(problem);
        PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
        return kUsage;
    };
    NumberSet pool;
    int poolCount = 0;
    for (const QString& word : parser.value(poolOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto n = ParseInt(word.trimmed());
        if (!n || *n < 1 || *n > kNumbersInGame) {
            return usage(QStringLiteral("--pool: %1 ist keine Zahl von 1 bis 70.").arg(word));
        }
        if (pool.Contains(*n)) {
            return usage(QStringLiteral("--pool: %1 steht doppelt.").arg(*n));
        }
        pool.Add(*n);
        ++poolCount;
    }
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
        const QLocale locale = German();
        PrintOut(SearchInfoText(mode, true, poolCount, k, locale));
        for (const SearchRow& row : result.rows) {
            const TGewZahlen& draw = period.draws[static_cast<std::size_t>(period.period.first + row.offset)];
            QStringList cells{row.showDate ? FormatDate(draw.datum, locale) : QString()};
            for (int p = 0; p < kNumbersPerDraw; ++p) {
                cells << QString::number(draw.GZ[p]);
            }
            cells << QString::fromStdString(JoinedNumbers(row.match));
            PrintOut(cells.join(QLatin1Char('\t')));
        }
        PrintOut(QString::fromStdString(HitCountText(mode, result.rows.size())));
        PrintOut(QString::fromStdString(SearchPeriodText(static_cast<std::size_t>(period.period.extra) + 1)));
        return kOk;
    });
}

} // namespace qv::cli
