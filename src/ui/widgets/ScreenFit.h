#pragma once

#include <QSize>

class QScrollArea;
class QWidget;

namespace qv {

// The room every window must fit: a laptop screen of 1366 × 768 at 100 % scaling less a panel of 40
// pixels.
inline constexpr QSize kSmallScreen(1366, 728);

// content in a scroll area without a frame: where a window's contents need more room than the screen
// has, the player scrolls instead of losing the bottom of the window. When it first shows, the window
// grows (within the screen) to the content's least size, so that nothing scrolls where there is room.
QScrollArea* InScrollArea(QWidget* content, QWidget* parent);

// The size a window opens with: wanted, but no larger than the available part of the screen the window
// is on (on a small screen the window's minimum, which fits kSmallScreen, sets the limit).
QSize OpeningSize(const QWidget& window, QSize wanted);

} // namespace qv
