#pragma once

#include <QString>

class QIcon;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace qv {

// The close button of the small tool windows: "Sch&ließen", closing (hiding) that window only.
QPushButton* CloseButton(QWidget* window);

// A picture-only button; its hint is also its name for a screen reader.
QToolButton* PictureButton(const QString& name, const QIcon& icon, const QString& hint, QWidget* parent);

// Shows text in a value panel; a screen reader hears the caption and the value ("Ergebnis: 70").
void SetPanelValue(QLabel* panel, const QString& caption, const QString& text);

// A label that names field for the keyboard and a screen reader.
QLabel* BuddyLabel(const QString& name, const QString& caption, QWidget* field, QWidget* parent);

} // namespace qv
