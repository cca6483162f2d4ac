#pragma once

#include <QLocale>
#include <QString>

namespace qv {

// True for a text that shows a positive amount such as "1.234,50": not empty, not "--", and after
// removing every point it starts with 1 to 9 and reads as a number of the locale.
bool IsPositiveAmount(const QString& text, const QLocale& locale);

// An amount in the locale's format with thousands separators and the given decimals (rounded to ten
// significant digits first); 0 is "0" below two decimals and "0,00" otherwise. Empty for a value that
// is not a number.
QString FormatAmount(double value, int decimals, const QLocale& locale);

} // namespace qv
