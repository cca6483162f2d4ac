#include "text/DrawListText.h"

#include "engine/core/FileError.h"
#include "text/DateText.h"

namespace qv {

QStringList DrawDateTexts(std::span<const TGewZahlen> draws, int omit, const QLocale& locale) {
    QStringList texts;
    const auto count = static_cast<std::ptrdiff_t>(draws.size()) - omit;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        texts << FormatDate(draws[static_cast<std::size_t>(i)].datum, locale);
    }
    return texts;
}

int FindDateEntry(const QStringList& entries, const QString& text) {
    return static_cast<int>(entries.indexOf(text));
}

QString WinningNumbersHint(const QString& dateText) {
    return QStringLiteral("Gewinnzahlen gelten für ") + dateText;
}

std::vector<TDate> DatesOfTexts(const QStringList& texts, const QLocale& locale,
                                const std::filesystem::path& drawFile) {
    std::vector<TDate> dates;
    dates.reserve(static_cast<std::size_t>(texts.size()));
    for (const QString& text : texts) {
        const auto date = ParseDate(text, locale);
        if (!date) {
            throw FileError(drawFile, QStringLiteral("„%1“ ist kein Datum.").arg(text).toStdString());
        }
        dates.push_back(*date);
    }
    return dates;
}

} // namespace qv
