#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace qv {

struct AppContext;

// Asks where to save a PDF (the dialog titled title, proposedName in the data folder) and writes what
// makePdf returns there through the safe save. Nothing is made or written when the player cancels; a
// failure to write throws FileError as the safe save does.
void SavePdfAs(AppContext& context, const QString& title, const QString& proposedName,
               const std::function<QByteArray()>& makePdf);

} // namespace qv
