#pragma once

#include "engine/systems/WheelFigures.h"
#include "engine/systems/WheelProof.h"
#include "engine/systems/WheelRequest.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace qv {

// The texts of the systems window and of `quovadra-cli wheel`.

// "Wenn mindestens 4 der 20 gezogenen Zahlen unter Ihren 12 Zahlen sind, hat mindestens eine Reihe
// 3 Treffer."
QString GuaranteeText(const WheelRequest& request);

// The proof's verdict: "Bewiesen: ..." or "Nicht garantiert: Werden 3, 8, 15 und 22 gezogen, hat keine
// Reihe 3 Treffer."
QString ProofText(const WheelRequest& request, const WheelProof& proof, const std::vector<int>& sortedPool);

// The rows as a text file of tip rows (one row a line, numbers separated by a space), as the tip-row
// entry window and the print window read it.
std::string WheelRowsText(const std::vector<RowMask>& rows, const std::vector<int>& sortedPool);

// The figures as label and value, in the order shown: rows and bound, costs, chances, payout.
std::vector<std::pair<QString, QString>> WheelFigureLines(const WheelRequest& request, std::uint64_t bound,
                                                          const WheelFigures& figures, const QLocale& locale);

// The distribution of the payout per draw: "Auszahlung je Ziehung", "Wahrscheinlichkeit".
const QStringList& PayoutDistributionHeadings();
std::vector<QStringList> PayoutDistributionRows(const WheelFigures& figures, const QLocale& locale);

} // namespace qv
