#pragma once

#include <QLocale>

namespace qv {

// The locale the program formats with: the system's, except that a C/POSIX locale becomes German
// (Germany), the language of the game and of the program.
QLocale AppLocale();

} // namespace qv
