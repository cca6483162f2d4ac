#include "text/Amounts.h"

#include <cmath>

namespace qv {

bool IsPositiveAmount(const QString& text, const QLocale& locale) {
    if (text.isEmpty() || text == QLatin1String("--")) {
        return false;
    }
    QString digits = text;
    digits.remove(QLatin1Char('.'));
    if (digits.isEmpty() || digits.front() < QLatin1Char('1') || digits.front() > QLatin1Char('9')) {
        return false;
    }
    bool ok = false;
    locale.toDouble(digits, &ok);
    return ok;
}

QString FormatAmount(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0) {
        return decimals < 2 ? QStringLiteral("0") : QStringLiteral("0,00");
    }
    // Ten significant digits, as the amounts have always been shown.
    const double magnitude = std::floor(std::log10(std::fabs(value)));
    const double scale = std::pow(10.0, 9 - magnitude);
    const double rounded = std::round(value * scale) / scale;
    QLocale withGroups = locale;
    withGroups.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return withGroups.toString(rounded, 'f', decimals);
}

} // namespace qv
