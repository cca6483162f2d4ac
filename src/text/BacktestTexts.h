#pragma once

#include "engine/tips/Backtest.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace qv {

// The texts of the look back at the tip methods, shared by its window and the command-line tool.

// The method as the tip centre's lists name it: "nur aus Restanten", ..., "per Zufall".
QString MethodText(TipMethod method);

// One row per method: "Tippreihen gebildet", "Tippreihen", "Einsatz", "Gewinn", "Bilanz", "Rückfluss".
const QStringList& BacktestHeadings();
std::vector<QStringList> BacktestRows(const BacktestResult& result, const QLocale& locale);

// How often each hit count came up, per method: "Tippreihen gebildet", "0 Treffer" to "K Treffer".
QStringList BacktestHitHeadings(int kenoType);
std::vector<QStringList> BacktestHitRows(const BacktestResult& result, const QLocale& locale);

// What was played: "6.784 Tippreihen je Methode, jede aus den 100 Ziehungen davor gebildet und in 1
// Ziehung gespielt, vom 11.04.2005 bis zum 10.12.2026." draws are those the look back ran over.
QString BacktestScopeText(const BacktestResult& result, std::span<const TGewZahlen> draws, const QLocale& locale);

// What the payout table returns on average for the Keno type, to hold the methods against.
QString ExpectedReturnText(int kenoType, const QLocale& locale);

// The plain word that every method is a game of chance.
QString ChanceNoteText();

// A return in percent with one decimal: "53,2 %".
QString ReturnText(double percent, const QLocale& locale);

} // namespace qv
