#pragma once

#include "engine/core/ProgramState.h"
#include "engine/evaluation/DrawEntry.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace qv {

// The texts of the main window's draw lists and of the winning-number window's hint.

// The edit text a freshly filled date list shows.
inline constexpr const char* kChooseText = "wählen...";

// The dates of draws 0 to count-omit-1, oldest first, as the date lists show them.
QStringList DrawDateTexts(std::span<const TGewZahlen> draws, int omit, const QLocale& locale);

// The position of the first entry whose text is text; -1 for a typed text that names no entry (the
// period check then refuses).
int FindDateEntry(const QStringList& entries, const QString& text);

// The entry a date typed into a date list leads to: the entry of that very text; else, when text is a
// date of the locale, the entry of the nearest date (of two equally near, the earlier); -1 otherwise.
int NearestDateEntry(const QStringList& entries, const QString& text, const QLocale& locale);

// "1 Ziehung", "2 Ziehungen", "0 Ziehungen".
QString DrawsText(qint64 count);

// "Gewinnzahlen gelten für " followed by the date text of the selected draw.
QString WinningNumbersHint(const QString& dateText);

// The dates of the draw list's texts, for saving. A text that is still the text of draws[j]'s date gives
// that date unchanged; any other text is read as a date of the locale. Throws FileError naming drawFile
// when such a text is no date (the save then stops before anything is written).
std::vector<TDate> DatesOfTexts(const QStringList& texts, std::span<const TGewZahlen> draws, const QLocale& locale,
                                const std::filesystem::path& drawFile);

} // namespace qv
