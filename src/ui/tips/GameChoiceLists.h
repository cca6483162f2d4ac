#pragma once

#include "engine/tips/SettingsRecord.h"

#include <QIcon>

class QComboBox;
class QWidget;

namespace qv {

// The two lists by which the tip centre and the settings window choose how game g is generated:
// "ComboTyp"g ("--", "2" to "10"; entry i >= 1 is Keno type i + 1) and "ComboWie"g (the four method
// texts). Entry 0 of each is selected.
QComboBox* MakeKenoTypeList(QWidget* parent, int game);
QComboBox* MakeMethodList(QWidget* parent, int game);

// The chosen entry as a preset byte: 255 when no entry is chosen.
std::uint8_t PresetEntry(const QComboBox& list);

// The pictures of a game's lock button: closed while its row is kept, open otherwise.
QIcon LockIcon(bool locked);

} // namespace qv
