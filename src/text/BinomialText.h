#pragma once

#include <QLocale>
#include <QString>

namespace qv {

// What the n-over-k calculator answers to the texts of its two fields: either the result for its
// panel, or a refusal for an information box (the panel then keeps what it showed).
struct BinomialAnswer {
    bool refused = false;
    QString text;
};

// n and k are read as whole numbers; a text that is no number counts as 0. The result is exact, with
// the locale's thousands separators ("13.983.816"); a result beyond 64 bits gets a clear text instead
// of a rounded number.
BinomialAnswer AnswerBinomial(const QString& nText, const QString& kText, const QLocale& locale);

inline constexpr const char* NotPositiveNText =
    "Sie müssen für \"n\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab.";
inline constexpr const char* NNotGreaterThanKText =
    "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab.";
inline constexpr const char* NegativeKText =
    "Sie müssen für \"k\" eine Zahl von Null an eingeben.\r\rIch breche erst einmal ab.";
inline constexpr const char* TooLargeText = "zu groß für die Anzeige (über 18 Trillionen)";

} // namespace qv
