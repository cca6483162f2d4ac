#include "text/DrawListText.h"

#include "engine/core/Dates.h"
#include "engine/core/FileError.h"
#include "text/DateText.h"

#include <limits>

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

int NearestDateEntry(const QStringList& entries, const QString& text, const QLocale& locale) {
    const QString typed = text.trimmed();
    if (const int exact = FindDateEntry(entries, typed); exact >= 0) {
        return exact;
    }
    // The locale's own way of writing a date, or one written without leading zeros ("1.8.2024") or as
    // "2024-08-01".
    std::optional<TDate> day = ParseDate(typed, locale);
    if (!day) {
        if (const auto fixed = ParseFixedDate(typed.toStdString())) {
            day = ToTDate(*fixed);
        }
    }
    if (!day) {
        return -1;
    }
    std::vector<TDate> dates;
    dates.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) {
        // An entry that is no date ("(kein Datum)") can only be chosen by its own text.
        dates.push_back(ParseDate(entry, locale).value_or(std::numeric_limits<TDate>::quiet_NaN()));
    }
    const auto nearest = NearestDate(dates, *day);
    return nearest ? static_cast<int>(*nearest) : -1;
}

QString DrawsText(qint64 count) {
    return QString::number(count) + (count == 1 ? QStringLiteral(" Ziehung") : QStringLiteral(" Ziehungen"));
}

QString WinningNumbersHint(const QString& dateText) {
    return QStringLiteral("Gewinnzahlen gelten für ") + dateText;
}

std::vector<TDate> DatesOfTexts(const QStringList& texts, std::span<const TGewZahlen> draws, const QLocale& locale,
                                const std::filesystem::path& drawFile) {
    std::vector<TDate> dates;
    dates.reserve(static_cast<std::size_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        const auto j = static_cast<std::size_t>(i);
        // An entry that still shows its draw's stored date keeps that date exactly, even one outside
        // the calendar: a draw the player never touched must not stop the others from being saved.
        if (j < draws.size() && text == FormatDate(draws[j].datum, locale)) {
            dates.push_back(draws[j].datum);
            continue;
        }
        const auto date = ParseDate(text, locale);
        if (!date) {
            throw FileError(drawFile, QStringLiteral("„%1“ ist kein Datum; die Ziehungen wurden nicht gespeichert, die "
                                                     "Ziehungsdatei bleibt unverändert.")
                                          .arg(text)
                                          .toStdString());
        }
        dates.push_back(*date);
    }
    return dates;
}

} // namespace qv
