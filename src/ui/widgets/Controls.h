#pragma once

#include <QString>

class QHBoxLayout;
class QIcon;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace qv {

// The one set of control makers every window builds its buttons and labels with, so that they look
// and behave alike: one button height, pictures that take the keyboard focus and say what they do, a
// label for every field, and one place for "Hilfe" and "Schließen".

// Height of a button with one line of text, and of one with two lines.
constexpr int kButtonHeight = 28;
constexpr int kTwoLineButtonHeight = 40;
// Size of the pictures of picture buttons beside the fields (tool bars show theirs larger).
constexpr int kPictureSize = 24;

// A button with a caption of one line.
QPushButton* Button(const QString& name, const QString& caption, QWidget* parent);

// A button whose caption is broken over two lines ("Neue\nZahlen"). A screen reader hears spoken, or
// the caption as written words where spoken is empty ("Spielschei-\nne" is "Spielscheine").
QPushButton* TwoLineButton(const QString& name, const QString& caption, QWidget* parent, const QString& spoken = {});

// A picture-only button. It takes the keyboard focus like any button; its hint is its tool tip and,
// read as written words, its name for a screen reader.
QToolButton* PictureButton(const QString& name, const QIcon& icon, const QString& hint, QWidget* parent);

// A label that names field: its mnemonic moves the focus there, and a field without a name of its
// own takes the caption's ("&Datum:" names it "Datum").
QLabel* BuddyLabel(const QString& caption, QWidget* field, QWidget* parent, const QString& name = {});

// The button that closes window ("&Schließen"); only that window closes.
QPushButton* CloseButton(QWidget* window, const QString& name = QStringLiteral("BitBtn8"));

// The row at the bottom of a window: help (may be null) and close at its right end, in that order.
QHBoxLayout* CloseRow(QWidget* close, QWidget* help = nullptr);

// Shows text in a value panel; a screen reader hears the caption and the value ("Ergebnis: 70").
void SetPanelValue(QLabel* panel, const QString& caption, const QString& text);

} // namespace qv
