#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/GameTables.h"
#include "engine/core/SafeFile.h"
#include "engine/systems/WheelBounds.h"
#include "engine/systems/WheelFigures.h"
#include "engine/systems/WheelProof.h"
#include "engine/systems/WheelSearch.h"
#include "engine/tips/TipRowText.h"
#include "text/DataFolder.h"
#include "text/WheelTexts.h"

#include <QRegularExpression>

namespace qv::cli {
namespace {

// "3,8,15" (or blanks between): the numbers, nothing when an item is no whole number.
std::optional<std::vector<int>> NumbersOfText(const QString& text) {
    std::vector<int> numbers;
    for (const QString& item : text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = item.toInt(&ok);
        if (!ok) {
            return std::nullopt;
        }
        numbers.push_back(number);
    }
    return numbers;
}

int Refuse(const QString& message) {
    PrintErr(message);
    return kRefused;
}

// The rows of a text file of tip rows, as masks over the pool. Refuses (message and nothing) an item
// that is no number or a number outside the pool.
std::optional<std::vector<RowMask>> RowsOfFile(const QString& path, const std::vector<int>& sortedPool) {
    const auto bytes = ReadWholeFile(ToPath(path), kMaxTipRowFileBytes);
    if (!bytes) {
        PrintErr(QStringLiteral("%1: Die Datei gibt es nicht.").arg(path));
        return std::nullopt;
    }
    std::vector<RowMask> rows;
    const std::vector<TipRowCells> cells = ParseTipRows(DecodeTextFile(*bytes));
    for (std::size_t r = 0; r < cells.size(); ++r) {
        std::vector<int> numbers;
        for (int c = kFirstNumberColumn; c < kTipRowColumns; ++c) {
            const QString item = QString::fromStdString(cells[r][static_cast<std::size_t>(c)]).trimmed();
            if (item.isEmpty()) {
                continue;
            }
            bool ok = false;
            const int number = item.toInt(&ok);
            if (!ok || number < 1 || number > kNumbersInGame) {
                PrintErr(
                    QStringLiteral("%1, Reihe %2: „%3“ ist keine Zahl von 1 bis 70.").arg(path).arg(r + 1).arg(item));
                return std::nullopt;
            }
            numbers.push_back(number);
        }
        const std::optional<RowMask> row = MaskOf(numbers, sortedPool);
        if (!row) {
            PrintErr(
                QStringLiteral("%1, Reihe %2: Die Reihe hat Zahlen, die nicht im Pool stehen.").arg(path).arg(r + 1));
            return std::nullopt;
        }
        rows.push_back(*row);
    }
    if (rows.empty()) {
        PrintErr(QStringLiteral("%1: Die Datei enthält keine Tippreihe.").arg(path));
        return std::nullopt;
    }
    return rows;
}

int Check(const QString& path, const WheelRequest& request) {
    const std::vector<int> pool = SortedPool(request.pool);
    const std::optional<std::vector<RowMask>> rows = RowsOfFile(path, pool);
    if (!rows) {
        return kRefused;
    }
    const WheelProof proof = ProveWheel(*rows, static_cast<int>(pool.size()), request.ifDrawn, request.hits);
    PrintOut(ProofText(request, proof, pool));
    return proof.holds ? kOk : kRefused;
}

void PrintWheel(const WheelRequest& request, const std::vector<int>& pool, const WheelSearchResult& found,
                const WheelProof& proof, const WheelFigures& figures) {
    const QString text = QString::fromStdString(WheelRowsText(found.rows, pool));
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        PrintOut(line);
    }
    PrintOut(QString());
    PrintOut(ProofText(request, proof, pool));
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::uint64_t bound =
        WheelLowerBound(static_cast<int>(pool.size()), request.kenoType, request.ifDrawn, request.hits);
    for (const auto& [label, value] : WheelFigureLines(request, bound, figures, german)) {
        PrintOut(label + QLatin1Char('\t') + value);
    }
    PrintOut(QString());
    PrintOut(PayoutDistributionHeadings().join(QLatin1Char('\t')));
    for (const QStringList& row : PayoutDistributionRows(figures, german)) {
        PrintOut(row.join(QLatin1Char('\t')));
    }
    PrintOut(QString());
    PrintOut(QString::fromUtf8(kWheelHonesty));
}

} // namespace

namespace {

struct WheelOptions {
    QCommandLineOption pool{QStringLiteral("pool"), QStringLiteral("Die Zahlen des Pools, z. B. 3,8,15,22."),
                            QStringLiteral("ZAHLEN")};
    QCommandLineOption type{QStringLiteral("type"), QStringLiteral("KENO-Typ der Reihen, 2 bis 10."),
                            QStringLiteral("K")};
    QCommandLineOption ifDrawn{QStringLiteral("if"),
                               QStringLiteral("Garantie: wenn mindestens P der 20 gezogenen Zahlen im Pool sind ..."),
                               QStringLiteral("P")};
    QCommandLineOption hits{QStringLiteral("hits"), QStringLiteral("... hat mindestens eine Reihe T Treffer."),
                            QStringLiteral("T")};
    QCommandLineOption stake{QStringLiteral("stake"), QStringLiteral("Einsatz je Reihe in Euro (1-5, 10; sonst 1)."),
                             QStringLiteral("E")};
    QCommandLineOption drawCount{QStringLiteral("draw-count"),
                                 QStringLiteral("Anzahl der Ziehungen für Einsatz und Verlust (sonst 1)."),
                                 QStringLiteral("D")};
    QCommandLineOption seconds{QStringLiteral("seconds"), QStringLiteral("Suchzeit in Sekunden (sonst 2)."),
                               QStringLiteral("S")};
    QCommandLineOption steps{QStringLiteral("steps"),
                             QStringLiteral("Suchschritte je Rechenkern statt einer Zeit: wiederholbar."),
                             QStringLiteral("N")};
    QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls (sonst 1)."),
                            QStringLiteral("S")};
    QCommandLineOption check{QStringLiteral("check"),
                             QStringLiteral("Prüft die Tippreihen einer Textdatei auf die Garantie."),
                             QStringLiteral("ROWS.txt")};

    void AddTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&pool, &type, &ifDrawn, &hits, &stake, &drawCount, &seconds, &steps, &seed, &check}) {
            parser.addOption(*option);
        }
    }
};

int Usage(const Command& command, const QString& problem) {
    PrintErr(problem);
    PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
    return kUsage;
}

// The option's whole number, fallback when it is not given, nothing when it is no whole number.
std::optional<long long> WholeValue(const QCommandLineParser& parser, const QCommandLineOption& option,
                                    long long fallback) {
    if (!parser.isSet(option)) {
        return fallback;
    }
    bool ok = false;
    const long long value = parser.value(option).toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

// The search's seed, steps and time from the command line, or the exit code of a usage error.
std::variant<WheelSearchOptions, int> SearchOptionsOf(const QCommandLineParser& parser, const WheelOptions& o,
                                                      const Command& command) {
    WheelSearchOptions options;
    options.threads = 2;
    const std::optional<long long> seed = WholeValue(parser, o.seed, 1);
    const std::optional<long long> steps = WholeValue(parser, o.steps, 0);
    if (!seed || *seed < 0 || !steps || *steps < 0 || (parser.isSet(o.steps) && parser.isSet(o.seconds))) {
        return Usage(
            command,
            QStringLiteral("--seed und --steps nehmen ganze Zahlen ab 0; --seconds und --steps nicht zusammen."));
    }
    options.seed = static_cast<std::uint64_t>(*seed);
    options.steps = static_cast<std::uint64_t>(*steps);
    if (parser.isSet(o.seconds)) {
        bool ok = false;
        options.seconds = parser.value(o.seconds).toDouble(&ok);
        if (!ok || !(options.seconds > 0) || options.seconds > 86400) {
            return Usage(command, QStringLiteral("--seconds: eine Zeit über 0 bis 86400 Sekunden angeben."));
        }
    }
    return options;
}

// Searches the wheel, proves it and prints it with its figures.
int SearchAndPrint(const QCommandLineParser& parser, const WheelOptions& o, const Command& command,
                   const WheelRequest& request) {
    const std::optional<long long> stake = WholeValue(parser, o.stake, 1);
    if (!stake || *stake < 1 || *stake > 10 || StakeIndexOf(static_cast<int>(*stake)) < 0) {
        return Usage(command, QStringLiteral("--stake: 1, 2, 3, 4, 5 oder 10 Euro angeben."));
    }
    const std::optional<long long> drawCount = WholeValue(parser, o.drawCount, 1);
    if (!drawCount || *drawCount < 1 || *drawCount > 100000) {
        return Usage(command, QStringLiteral("--draw-count: eine Anzahl von 1 bis 100000 angeben."));
    }
    const std::variant<WheelSearchOptions, int> parsed = SearchOptionsOf(parser, o, command);
    if (const int* end = std::get_if<int>(&parsed)) {
        return *end;
    }
    const WheelSearchOptions& options = std::get<WheelSearchOptions>(parsed);
    return Guarded([&] {
        const std::vector<int> sortedPool = SortedPool(request.pool);
        const WheelSearchResult found = FindWheel(request, options);
        const WheelProof proof =
            ProveWheel(found.rows, static_cast<int>(sortedPool.size()), request.ifDrawn, request.hits);
        if (!proof.holds) {
            return Refuse(QStringLiteral("Das gefundene System hält die Garantie nicht; es wird nicht ausgegeben."));
        }
        const WheelFigures figures = FiguresOf(sortedPool, found.rows, request.kenoType, request.ifDrawn, request.hits,
                                               static_cast<int>(*stake), static_cast<int>(*drawCount), options.seed);
        PrintWheel(request, sortedPool, found, proof, figures);
        return static_cast<int>(kOk);
    });
}

} // namespace

int RunWheel(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const WheelOptions o;
    o.AddTo(parser);
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    const bool checking = parser.isSet(o.check);
    if (!parser.isSet(o.pool) || !parser.isSet(o.ifDrawn) || !parser.isSet(o.hits) ||
        (!checking && !parser.isSet(o.type))) {
        return Usage(command, QStringLiteral("--pool, --if und --hits (und zum Suchen --type) fehlen."));
    }
    const std::optional<std::vector<int>> pool = NumbersOfText(parser.value(o.pool));
    const std::optional<long long> ifDrawn = WholeValue(parser, o.ifDrawn, 0);
    const std::optional<long long> hits = WholeValue(parser, o.hits, 0);
    const std::optional<long long> type = WholeValue(parser, o.type, 0);
    if (!pool || !ifDrawn || !hits || !type) {
        return Usage(command, QStringLiteral("--pool, --type, --if und --hits nehmen ganze Zahlen."));
    }
    WheelRequest request{*pool, static_cast<int>(std::clamp<long long>(*type, -1, 99)),
                         static_cast<int>(std::clamp<long long>(*ifDrawn, -1, 99)),
                         static_cast<int>(std::clamp<long long>(*hits, -1, 99))};
    if (checking && !parser.isSet(o.type)) {
        // The proof needs no type; the request's checks take the largest the pool allows.
        request.kenoType = std::clamp(static_cast<int>(pool->size()) - 1, kMinKenoType, kMaxKenoType);
    }
    if (const std::optional<std::string> problem = RequestProblem(request)) {
        return Refuse(QString::fromStdString(*problem));
    }
    if (checking) {
        return Guarded([&] { return Check(parser.value(o.check), request); });
    }
    if (const std::optional<std::string> problem = SearchProblem(request)) {
        return Refuse(QString::fromStdString(*problem));
    }
    return SearchAndPrint(parser, o, command, request);
}

} // namespace qv::cli
