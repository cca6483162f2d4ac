#pragma once

#include <QStringList>

class QComboBox;
class QString;
class QWidget;

namespace qv {

// Makes list, a drop-down list of draw dates (oldest first, as the windows fill them), one a player can
// type a date into instead of scrolling through thousands of draws:
// - the typed text completes in place to the newest listed date it begins;
// - Return chooses the entry of a complete date, of the nearest draw when no draw has that date (of two
//   equally near, the earlier), or of the newest date a typed beginning completes to;
// - leaving the list does the same for a complete date, and puts the chosen entry's text back in place of
//   anything else.
// The items, their order and the current index keep their meaning for the window; the window still
// hears every change of the text and of the index.
void MakeDateListEditable(QComboBox* list);

// Puts dates in place of the entries of list in one step, the chosen entry then being the first. A list
// made editable above holds its entries as plain texts, which the lists of one window share: thousands
// of draws cost little memory that way.
void SetDateEntries(QComboBox* list, const QStringList& dates);

// A new date list named name, made editable as above, wide enough for a date.
QComboBox* NewDateList(QWidget* parent, const QString& name);

} // namespace qv
