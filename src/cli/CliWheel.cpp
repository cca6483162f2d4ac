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

int Check(const QString& path, WheelRequest request) {
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

int RunWheel(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption poolOption(
        QStringLiteral("pool"), QStringLiteral("Die Zahlen des Pools, z. B. 3,8,15,22."), QStringLiteral("ZAHLEN"));
    const QCommandLineOption typeOption(QStringLiteral("type"), QStringLiteral("KENO-Typ der Reihen, 2 bis 10."),
                                        QStringLiteral("K"));
    const QCommandLineOption ifOption(
        QStringLiteral("if"), QStringLiteral("Garantie: wenn mindestens P der 20 gezogenen Zahlen im Pool sind ..."),
        QStringLiteral("P"));
    const QCommandLineOption hitsOption(
        QStringLiteral("hits"), QStringLiteral("... hat mindestens eine Reihe T Treffer."), QStringLiteral("T"));
    const QCommandLineOption stakeOption(
        QStringLiteral("stake"), QStringLiteral("Einsatz je Reihe in Euro (1-5, 10; sonst 1)."), QStringLiteral("E"));
    const QCommandLineOption drawCountOption(QStringLiteral("draw-count"),
                                             QStringLiteral("Anzahl der Ziehungen für Einsatz und Verlust (sonst 1)."),
                                             QStringLiteral("D"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Suchzeit in Sekunden (sonst 2)."),
                                           QStringLiteral("S"));
    const QCommandLineOption stepsOption(QStringLiteral("steps"),
                                         QStringLiteral("Suchschritte je Rechenkern statt einer Zeit: wiederholbar."),
                                         QStringLiteral("N"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Startwert des Zufalls (sonst 1)."),
                                        QStringLiteral("S"));
    const QCommandLineOption checkOption(QStringLiteral("check"),
                                         QStringLiteral("Prüft die Tippreihen einer Textdatei auf die Garantie."),
                                         QStringLiteral("ROWS.txt"));
    for (const QCommandLineOption* option :
         {&poolOption, &typeOption, &ifOption, &hitsOption, &stakeOption, &drawCountOption, &secondsOption,
          &stepsOption, &seedOption, &checkOption}) {
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
    const auto whole = [&parser](const QCommandLineOption& option, long long fallback) -> std::optional<long long> {
        if (!parser.isSet(option)) {
            return fallback;
        }
        bool ok = false;
        const long long value = parser.value(option).toLongLong(&ok);
        return ok ? std::optional<long long>(value) : std::nullopt;
    };
    const bool checking = parser.isSet(checkOption);
    if (!parser.isSet(poolOption) || !parser.isSet(ifOption) || !parser.isSet(hitsOption) ||
        (!checking && !parser.isSet(typeOption))) {
        return usage(QStringLiteral("--pool, --if und --hits (und zum Suchen --type) fehlen."));
    }
    const std::optional<std::vector<int>> pool = NumbersOfText(parser.value(poolOption));
    const std::optional<long long> ifDrawn = whole(ifOption, 0);
    const std::optional<long long> hits = whole(hitsOption, 0);
    const std::optional<long long> type = whole(typeOption, 0);
    if (!pool || !ifDrawn || !hits || !type) {
        return usage(QStringLiteral("--pool, --type, --if und --hits nehmen ganze Zahlen."));
    }
    WheelRequest request{*pool, static_cast<int>(std::clamp<long long>(*type, -1, 99)),
                         static_cast<int>(std::clamp<long long>(*ifDrawn, -1, 99)),
                         static_cast<int>(std::clamp<long long>(*hits, -1, 99))};
    if (checking && !parser.isSet(typeOption)) {
        // The proof needs no type; the request's checks take the largest the pool allows.
        request.kenoType = std::clamp(static_cast<int>(pool->size()) - 1, kMinKenoType, kMaxKenoType);
    }
    if (const std::optional<std::string> problem = RequestProblem(request)) {
        return Refuse(QString::fromStdString(*problem));
    }
    if (checking) {
        return Guarded([&] { return Check(parser.value(checkOption), request); });
    }
    if (const std::optional<std::string> problem = SearchProblem(request)) {
        return Refuse(QString::fromStdString(*problem));
    }
    const std::optional<long long> stake = whole(stakeOption, 1);
    if (!stake || *stake < 1 || *stake > 10 || StakeIndexOf(static_cast<int>(*stake)) < 0) {
        return usage(QStringLiteral("--stake: 1, 2, 3, 4, 5 oder 10 Euro angeben."));
    }
    const std::optional<long long> drawCount = whole(drawCountOption, 1);
    if (!drawCount || *drawCount < 1 || *drawCount > 100000) {
        return usage(QStringLiteral("--draw-count: eine Anzahl von 1 bis 100000 angeben."));
    }
    WheelSearchOptions options;
    options.threads = 2;
    const std::optional<long long> seed = whole(seedOption, 1);
    const std::optional<long long> steps = whole(stepsOption, 0);
    if (!seed || *seed < 0 || !steps || *steps < 0 || (parser.isSet(stepsOption) && parser.isSet(secondsOption))) {
        return usage(
            QStringLiteral("--seed und --steps nehmen ganze Zahlen ab 0; --seconds und --steps nicht zusammen."));
    }
    options.seed = static_cast<std::uint64_t>(*seed);
    options.steps = static_cast<std::uint64_t>(*steps);
    if (parser.isSet(secondsOption)) {
        bool ok = false;
        options.seconds = parser.value(secondsOption).toDouble(&ok);
        if (!ok || !(options.seconds > 0) || options.seconds > 86400) {
            return usage(QStringLiteral("--seconds: eine Zeit über 0 bis 86400 Sekunden angeben."));
        }
    }
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

} // namespace qv::cli
