#include "cli/CliCommands.h"
#include "cli/CliCommon.h"

#include "engine/core/GameTables.h"
#include "engine/core/SlipFile.h"
#include "engine/core/SlipRows.h"
#include "text/DataFolder.h"

namespace qv::cli {

int RunSlipShow(const Command& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("SCHEINDATEI"), QStringLiteral("Spielschein-Datei (*.kts)."));
    if (const auto end = ParseCommandLine(parser, command, args, 1, 1)) {
        return *end;
    }
    return Guarded([&] {
        const QString pathText = parser.positionalArguments().at(0);
        const std::filesystem::path path = ToPath(pathText);
        const auto slip = LoadSlip(path);
        if (!slip) {
            PrintErr(QStringLiteral("Die Datei „%1“ gibt es nicht.").arg(pathText));
            return kRefused;
        }
        const auto rows = SlipRows(*slip);
        const auto orUnknown = [](std::optional<int> value) {
            return value ? QString::number(*value) : QStringLiteral("?");
        };
        PrintOut(QString::fromStdString(SlipDisplayName(path)));
        PrintOut(QStringLiteral("Einsatz pro Tipp\t%1 €").arg(orUnknown(StakeEurosAt(slip->einsatz))));
        PrintOut(QStringLiteral("Ziehungen\t%1").arg(orUnknown(DrawCountAt(slip->Ziehungen))));
        for (const SlipRow& row : rows) {
            QStringList cells{QString::number(row.field), QString::number(row.kenoType)};
            for (int n : row.numbers) {
                cells << QString::number(n);
            }
            PrintOut(cells.join(QLatin1Char('\t')));
        }
        return kOk;
    });
}

} // namespace qv::cli
