#include "ui/frame/WindowTable.h"

#include "ui/analysis/TFAnalyse.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/evaluation/TFGewinnchancen.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"

#include <QFileInfo>

namespace qv {

namespace {

template <typename Window>
WindowRegistry::Factory Make() {
    return [](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<Window>(context); };
}

} // namespace

void RegisterWindows(WindowRegistry& registry) {
    // Created at start, in this order; the main window first.
    registry.AddAtStart(QStringLiteral("FAuswertung"), Make<TFAuswertung>());
    registry.AddAtStart(QStringLiteral("FGewinnzahlen"), Make<TFGewinnzahlen>());

    // Created on first use.
    registry.AddOnFirstUse(QStringLiteral("FAnalyse"), Make<TFAnalyse>());
    registry.AddOnFirstUse(QStringLiteral("FGewinnchancen"), Make<TFGewinnchancen>());
}

QString NotOpenedText(const QString& path, bool missing) {
    return missing ? QStringLiteral("Die Datei\r%1\rwurde nicht gefunden.").arg(path)
                   : QStringLiteral("Die Datei\r%1\rist keine Spielschein-Datei (*.kts) und wird nicht geöffnet.")
                         .arg(path);
}

void OpenHandedFiles(AppContext& context, const QStringList& paths) {
    auto* main = qobject_cast<TFAuswertung*>(context.windows.Find(QStringLiteral("FAuswertung")));
    if (!main) {
        return;
    }
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!file.isFile()) {
            context.ports.messages.Error(NotOpenedText(path, true));
        } else if (file.suffix().compare(QLatin1String("kts"), Qt::CaseInsensitive) != 0) {
            context.ports.messages.Error(NotOpenedText(path, false));
        } else {
            main->OpenSlipInMainWindow(file.absoluteFilePath());
        }
    }
    main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
    main->raise();
    main->activateWindow();
}

} // namespace qv
