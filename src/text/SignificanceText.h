#pragma once

#include "engine/analysis/Significance.h"

#include <QLocale>
#include <QString>

namespace qv {

// The texts of the significance view and of `quovadra-cli stats --significance`.

// A deviation in σ with two decimals and its sign: "+1,23", "-0,45", "0,00".
QString DeviationText(double deviation, const QLocale& locale);

// A p-value with three decimals, "< 0,001" below that.
QString PValueText(double p, const QLocale& locale);

// "Bei 100 Ziehungen erwartet je Zahl 28,6 Treffer, σ = 4,52."
QString SigmaLine(const Significance& significance, const QLocale& locale);

// "χ² = 72,41 bei 69 Freiheitsgraden (korrigiert für Ziehen ohne Zurücklegen), p = 0,364"
QString ChiSquareLine(const Significance& significance, const QLocale& locale);

// What ±2σ means, with the period's own count.
QString SigmaMeaning(const Significance& significance);

// What the p-value says, in one sentence; or why the test says nothing for so few draws.
QString ChiSquareMeaning(const Significance& significance, const QLocale& locale);

} // namespace qv
