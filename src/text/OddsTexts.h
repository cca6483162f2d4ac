#pragma once

#include "engine/evaluation/Evaluation.h"
#include "engine/evaluation/Odds.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace qv {

// The texts of the odds window and of the balance line under every result grid.

// A chance as odds: "1 zu 2.147.181"; below 1 in 100 with two decimals ("1 zu 7,38"); "--" for 0.
QString ChanceText(double probability, const QLocale& locale);

// A probability in percent with three significant digits, at least two decimals: "7,87 %",
// "0,0000466 %"; "0,00 %" for 0.
QString PercentText(double probability, const QLocale& locale);

// An amount of euros with two decimals: "1.234,50 €"; a sign on request for a balance: "+5,00 €".
QString EuroText(double amount, const QLocale& locale, bool signed_ = false);

// The line under a result grid: "Einsatz: 12,00 €   Gewinne: 67,50 €   Bilanz: +55,50 €".
QString BalanceText(const ResultBalance& balance, const QLocale& locale);

// The hit table of one Keno type: "Treffer", "Wahrscheinlichkeit", "Chance", "Gewinn je Euro".
const QStringList& HitOddsHeadings();
std::vector<QStringList> HitOddsRows(const KenoTypeOdds& odds, const QLocale& locale);

// The summary under the hit table: the chance of any win and what a euro of stake pays back.
QString KenoTypeSummaryText(const KenoTypeOdds& odds, const QLocale& locale);

// The overview of the Keno types 2 to 10: "Keno-Typ", "Chance auf einen Gewinn",
// "Auszahlung je Euro".
const QStringList& TypeOddsHeadings();
std::vector<QStringList> TypeOddsRows(const QLocale& locale);

// One row per open slip: "Spielschein", "Einsatz je Ziehung", "Erwartete Auszahlung je Ziehung",
// "Einsatz im Monat", "Erwarteter Verlust im Monat".
const QStringList& SlipOddsHeadings();
QStringList SlipOddsRow(const QString& name, const SlipExpectation& expectation, const QLocale& locale);

} // namespace qv
