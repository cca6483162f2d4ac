#pragma once

#include "ui/frame/Command.h"

#include <QIcon>

class QPainter;

namespace qv {

// The pictures of buttons that are not commands.
enum class Picture {
    CloseWindow, // closes the window it stands in
    CloseAll,    // closes all tabs
    Clear,       // empties a field or a list
    Start,
    Stop,
    Save,
    Copy,    // to the clipboard
    Compute, // computes the figures asked for
};

// The pictures come from the Adwaita icon theme, copied into the program when it is built (see
// src/ui/CMakeLists.txt); where the build found none, a coloured tile with a short text stands in.

// The picture of a command's tool-bar button and menu item.
QIcon CommandIcon(Command command);
// The picture of a button of a window's own.
QIcon PictureIcon(Picture picture);
// A short text on a coloured tile: the picture when the theme has none.
QIcon TileIcon(const QColor& colour, const QString& text);

// The picture that fills the start window, painted onto painter's device at 0,0.
void PaintStartPicture(QPainter& painter, QSize size);
// The same picture as a pixmap.
QPixmap StartPicture(QSize size);

} // namespace qv
