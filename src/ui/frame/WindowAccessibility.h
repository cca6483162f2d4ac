#pragma once

#include <QString>

class QWidget;

namespace qv {

// The program's windows that are plain widgets (not main windows or dialogs) reach a screen reader as
// windows ("frame"), not as anonymous panels. Every window, once shown, also has its inner parts named
// (see NameInnerParts).
void InstallWindowAccessibility();

// A caption as a screen reader should say it: a hyphen that only split a word over two lines goes
// ("zu-\nsammen" is "zusammen"), one that belongs to the word stays ("Demo-\nSchein" is "Demo-Schein"),
// other line breaks become blanks and the mnemonic marks "&" go ("&&" is a "&").
QString SpokenCaption(const QString& caption);

// Gives widget the spoken form of its caption as accessible name.
void SetSpokenName(QWidget* widget, const QString& caption);

// Names the parts of window that Qt leaves nameless: the text field inside an editable drop-down list
// takes the list's name (its own or its label's), a tool bar's extension button says what it shows.
// Names already given stay. A tab bar shows only while its tab set has tabs.
void NameInnerParts(QWidget* window);

} // namespace qv
