#include "ui/frame/ErrorReport.h"

#include "engine/core/FileError.h"
#include "platform/Messages.h"

#include <QString>

#include <new>

namespace qv {

void ReportError(Messages& messages, const std::exception& error) {
    // A file error already says in German what failed and what was kept; anything else gets a sentence
    // of its own before the system's text.
    if (dynamic_cast<const FileError*>(&error) != nullptr) {
        messages.Error(QString::fromUtf8(error.what()));
    } else if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        messages.Error(QStringLiteral("Für diese Aktion reicht der Arbeitsspeicher nicht; sie wurde abgebrochen."));
    } else {
        messages.Error(QStringLiteral("Die Aktion wurde wegen eines Fehlers abgebrochen. (Systemmeldung: %1)")
                           .arg(QString::fromLocal8Bit(error.what())));
    }
}

} // namespace qv
