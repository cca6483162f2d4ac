#pragma once

#include <QLocale>

namespace qv {

// The locale the program formats with: the default locale (the system's unless set otherwise), except that a C/POSIX
// locale becomes German (Germany), the language of the game and of the program.
QLocale AppLocale();

} // namespace qv
