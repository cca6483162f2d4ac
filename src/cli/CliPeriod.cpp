#include "cli/CliPeriod.h"
#include "cli/CliCommon.h"

#include "engine/core/Dates.h"
#include "engine/core/ProgramState.h"

namespace qv::cli {

void PeriodOptions::AddTo(QCommandLineParser& parser) const {
    parser.addOption(from);
    parser.addOption(to);
}

std::optional<int> DrawPositionOf(const QString& text, const std::vector<TGewZahlen>& draws, PeriodEnd end) {
    const int count = static_cast<int>(draws.size());
    if (text.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const int index = text.mid(1).toInt(&ok);
        if (!ok || index < 0 || index >= count) {
            return std::nullopt;
        }
        return index;
    }
    const auto civil = ParseFixedDate(text.trimmed().toStdString());
    if (!civil || !IsValidCivilDate(*civil)) {
        return std::nullopt;
    }
    const TDate day = ToTDate(*civil);
    for (int i = 0; i < count; ++i) {
        const int p = end == PeriodEnd::To ? count - 1 - i : i;
        if (draws[static_cast<std::size_t>(p)].datum == day) {
            return p;
        }
    }
    return std::nullopt;
}

std::optional<Period> ChosenPeriod(const QCommandLineParser& parser, const PeriodOptions& options,
                                   const std::vector<TGewZahlen>& draws) {
    const int drawCount = static_cast<int>(draws.size());
    int first = 0;
    int last = drawCount - 1;
    for (const auto& [option, end, position] :
         {std::tuple{&options.from, PeriodEnd::From, &first}, std::tuple{&options.to, PeriodEnd::To, &last}}) {
        if (parser.isSet(*option)) {
            const auto found = DrawPositionOf(parser.value(*option), draws, end);
            if (!found) {
                PrintErr(QStringLiteral("%1: keine Ziehung der Datei (Datum oder #0 bis #%2).")
                             .arg(parser.value(*option))
                             .arg(drawCount - 1));
                return std::nullopt;
            }
            *position = *found;
        }
    }
    const std::optional<Period> period = ResolvePeriod(first, last, drawCount);
    if (!period) {
        PrintErr(PeriodErrorLines());
    }
    return period;
}

QString PeriodErrorLines() {
    return QString::fromUtf8(PeriodErrorText).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace qv::cli
