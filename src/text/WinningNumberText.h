#pragma once

#include "engine/draws/WinningNumberFilter.h"

#include <QString>
#include <QStringList>

namespace qv {

// The winning-number filter over the text field's QString: the first twenty runs of ASCII digits.
QStringList FilterWinningNumbers(const QString& text);

// The number fields' texts as the engine takes them, and back.
NumberFields ToNumberFields(const QStringList& texts);

// The information box after a transfer that skipped fields naming no number from 1 to 70; empty
// when nothing was skipped.
QString SkippedFieldsText(const std::vector<std::u16string>& skipped);

} // namespace qv
