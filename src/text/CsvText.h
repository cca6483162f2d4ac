#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace qv {

// A grid's texts as a file that spreadsheet programs open: cells separated by ";", every row ended by
// "\r\n", UTF-8 behind a byte-order mark (without it, the common spreadsheet programs read the umlauts
// and "€" as Latin-1). Cells keep their texts as the grid shows them, numbers with the decimal comma
// included, so a German spreadsheet reads them as numbers. A cell holding ";", a quotation mark or a
// line break is put in quotation marks, its own quotation marks doubled.
QByteArray CsvBytes(const QList<QStringList>& rows);

// The same rows for the clipboard: cells separated by tabs, rows by "\n", quoted like the file.
QString TabSeparatedText(const QList<QStringList>& rows);

} // namespace qv
