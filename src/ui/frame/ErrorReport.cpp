#include "ui/frame/ErrorReport.h"

#include "platform/Messages.h"

#include <QString>

namespace qv {

void ReportError(Messages& messages, const std::exception& error) {
    messages.Error(QString::fromLocal8Bit(error.what()));
}

} // namespace qv
