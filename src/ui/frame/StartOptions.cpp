#include "ui/frame/StartOptions.h"

namespace qv {

StartOptions ParseStartOptions(const QStringList& arguments) {
    StartOptions options;
    bool onlyFiles = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyFiles || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.files << argument;
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (argument == QLatin1String("--quit-after") && i + 1 < arguments.size()) {
            bool ok = false;
            const int milliseconds = arguments[++i].toInt(&ok);
            if (ok && milliseconds >= 0) {
                options.quitAfterMilliseconds = milliseconds;
            }
        }
    }
    return options;
}

} // namespace qv
