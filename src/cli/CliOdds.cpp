#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/GameTables.h"
#include "engine/evaluation/Odds.h"
#include "text/OddsTexts.h"

namespace qv::cli {
namespace {

void PrintRows(const QStringList& headings, const std::vector<QStringList>& rows) {
    PrintOut(headings.join(QLatin1Char('\t')));
    for (const QStringList& row : rows) {
        PrintOut(row.join(QLatin1Char('\t')));
    }
}

} // namespace

// The figures of the odds window: the overview of all Keno types, then per type the chance of every
// hit count and what a euro of stake pays back.
int RunOdds(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption typeOption(QStringLiteral("type"),
                                        QStringLiteral("Nur dieser Keno-Typ, 2 bis 10 (sonst alle mit der Übersicht)."),
                                        QStringLiteral("K"));
    parser.addOption(typeOption);
    if (const auto end = ParseCommandLine(parser, command, args, 0, 0)) {
        return *end;
    }
    int first = kMinKenoType;
    int last = kMaxKenoType;
    if (parser.isSet(typeOption)) {
        bool ok = false;
        const int type = parser.value(typeOption).toInt(&ok);
        if (!ok || type < kMinKenoType || type > kMaxKenoType) {
            PrintErr(QStringLiteral("--type: einen Keno-Typ von 2 bis 10 angeben."));
            PrintErr(QStringLiteral("Aufruf: quovadra-cli %1 %2").arg(command.name, command.synopsis));
            return kUsage;
        }
        first = last = type;
    }
    return Guarded([&] {
        const QLocale locale(QLocale::German, QLocale::Germany);
        if (!parser.isSet(typeOption)) {
            PrintOut(QStringLiteral("Alle Keno-Typen"));
            PrintRows(TypeOddsHeadings(), TypeOddsRows(locale));
        }
        for (int type = first; type <= last; ++type) {
            if (type != first || !parser.isSet(typeOption)) {
                PrintOut(QString());
            }
            const KenoTypeOdds odds = OddsOf(type);
            PrintOut(QStringLiteral("Keno-Typ %1").arg(type));
            PrintRows(HitOddsHeadings(), HitOddsRows(odds, locale));
            PrintOut(KenoTypeSummaryText(odds, locale));
        }
        return kOk;
    });
}

} // namespace qv::cli
