#include "text/AppLocale.h"

namespace qv {

QLocale AppLocale() {
    // The default locale is the system's unless the program (or a test) has set another.
    const QLocale locale;
    if (locale.language() == QLocale::C) {
        return QLocale(QLocale::German, QLocale::Germany);
    }
    return locale;
}

} // namespace qv
