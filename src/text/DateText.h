#pragma once

#include "engine/core/Records.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace qv {

QDate ToQDate(TDate date);
TDate FromQDate(const QDate& date);

// The locale's short date format with a four-digit year ("01.08.2024" in German).
QString ShortDateFormat(const QLocale& locale);
QString FormatDate(TDate date, const QLocale& locale);
// Reads a date written in ShortDateFormat; nothing when the text is not such a date.
std::optional<TDate> ParseDate(const QString& text, const QLocale& locale);

} // namespace qv
