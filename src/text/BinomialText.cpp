#include "text/BinomialText.h"

#include "engine/core/Binomial.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace qv {

namespace {

// The whole number a field holds; 0 for a text that is no number. Numbers beyond the range of int
// stay beyond it (as the largest int), so that they are not mistaken for 0.
int WholeNumber(const QString& text) {
    static const QRegularExpression wholeNumber(QStringLiteral("^\\s*([+-]?)[0-9]+\\s*$"));
    const QRegularExpressionMatch match = wholeNumber.match(text);
    if (!match.hasMatch()) {
        return 0;
    }
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    const bool negative = match.captured(1) == QLatin1String("-");
    if (!ok) {
        return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(
        std::clamp<qlonglong>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

BinomialAnswer AnswerBinomial(const QString& nText, const QString& kText, const QLocale& locale) {
    const int n = WholeNumber(nText);
    const int k = WholeNumber(kText);
    if (n <= 0) {
        return {true, QString::fromUtf8(NotPositiveNText)};
    }
    if (n <= k) {
        return {true, QString::fromUtf8(NNotGreaterThanKText)};
    }
    if (k < 0) {
        return {true, QString::fromUtf8(NegativeKText)};
    }
    const std::optional<std::uint64_t> value = Binomial(n, k);
    if (!value) {
        return {false, QString::fromUtf8(TooLargeText)};
    }
    return {false, locale.toString(static_cast<qulonglong>(*value))};
}

} // namespace qv
