#pragma once

#include "ui/frame/Command.h"

#include <QIcon>

class QPainter;

namespace qv {

// The picture of a command's tool-bar button.
QIcon CommandIcon(Command command);
// A tool-bar picture of a window's own button: a short text on a coloured tile.
QIcon TileIcon(const QColor& colour, const QString& text);

// The picture that fills the start window, painted onto painter's device at 0,0.
void PaintStartPicture(QPainter& painter, QSize size);
// The same picture as a pixmap.
QPixmap StartPicture(QSize size);

} // namespace qv
