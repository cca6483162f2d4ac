#include "ui/printing/PdfSave.h"

#include "engine/core/SafeFile.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"

#include <cstdint>
#include <span>

namespace qv {

void SavePdfAs(AppContext& context, const QString& title, const QString& proposedName,
               const std::function<QByteArray()>& makePdf) {
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("PDF-Datei|*.pdf");
    request.defaultExtension = QStringLiteral("pdf");
    request.startFolder = FromPath(context.state.DataFolder);
    request.proposedName = proposedName;
    const std::optional<QString> chosen = context.ports.fileDialogs.Save(request);
    if (!chosen) {
        return;
    }
    const QByteArray pdf = makePdf();
    WriteFileSafely(ToPath(*chosen), std::span(reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                                               static_cast<std::size_t>(pdf.size())));
}

} // namespace qv
