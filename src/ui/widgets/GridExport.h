#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QWidget;

namespace qv {

struct Ports;

// The texts a grid exports, one list per row, the headings first.
using GridRowsSource = std::function<QList<QStringList>()>;

// The texts of a grid as it shows them: the column headings first when the grid shows a heading bar
// (a string grid keeps its headings in row 0 and brings them along that way), then every row; hidden
// rows and columns left out. A cell gives its shown text without the blanks that centre it, or, when it
// shows only a colour, what it tells a screen reader.
QList<QStringList> GridTexts(const QAbstractItemView& grid);

// Gives widget a context menu with "Kopieren" (Ctrl+C) and "Als CSV speichern...", opened by the right
// mouse button, the menu key or Shift+F10; Ctrl+C copies without the menu. Copying puts the rows on
// the clipboard as tab-separated text (and as CSV); saving asks for a file through the file dialog
// port, proposing fileName, and writes the CSV text through the safe save. A failed save is reported
// through the message port. rows is asked anew each time, so it always exports what is shown.
void InstallGridExport(QWidget& widget, Ports& ports, const QString& fileName, GridRowsSource rows);

// The same for a grid, exporting GridTexts(grid).
void InstallGridExport(QAbstractItemView& grid, Ports& ports, const QString& fileName);

} // namespace qv
