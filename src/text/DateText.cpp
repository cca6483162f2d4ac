#include "text/DateText.h"

#include "engine/core/Dates.h"

#include <cmath>

namespace qv {

QDate ToQDate(TDate date) {
    const CivilDate civil = ToCivilDate(date);
    return QDate(civil.year, civil.month, civil.day);
}

TDate FromQDate(const QDate& date) {
    return ToTDate({date.year(), date.month(), date.day()});
}

QString ShortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Widen a two-digit year ("dd.MM.yy") to four digits; leave a four-digit one alone.
    if (!format.contains(QLatin1String("yyyy"))) {
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return format;
}

QString FormatDate(TDate date, const QLocale& locale) {
    if (!IsCalendarDay(date)) {
        return QString::fromStdString(OutOfCalendarText(date));
    }
    return locale.toString(ToQDate(date), ShortDateFormat(locale));
}

std::optional<TDate> ParseDate(const QString& text, const QLocale& locale) {
    const QDate date = locale.toDate(text.trimmed(), ShortDateFormat(locale));
    if (!date.isValid()) {
        return std::nullopt;
    }
    return FromQDate(date);
}

} // namespace qv
