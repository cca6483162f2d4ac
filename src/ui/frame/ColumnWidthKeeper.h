#pragma once

#include <filesystem>

class QTableView;
class QWidget;

namespace qv {

class Messages;

// Keeps the column widths a player sets in the grids of window (by dragging a heading's edge or
// double-clicking it) in the settings file, per window and grid, and gives them back when the window
// shows again, also in a later session. Grids with a heading row the player sees and an objectName
// take part; a column the program sizes by itself (stretched or fitted) keeps the program's width. A
// width that cannot be saved is told through messages.
void KeepColumnWidths(QWidget& window, std::filesystem::path settingsFile, Messages& messages);

// Lets the grids made since window first showed (in a tab added later) take part too: each takes the
// kept widths now. Does nothing for a window whose widths are not kept.
void KeepColumnWidthsOfNewGrids(QWidget& window);

} // namespace qv
