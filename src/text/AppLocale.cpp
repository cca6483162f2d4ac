#include "text/AppLocale.h"

namespace qv {

QLocale AppLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) {
        return QLocale(QLocale::German, QLocale::Germany);
    }
    return system;
}

} // namespace qv
