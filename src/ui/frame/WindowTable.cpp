#include "ui/frame/WindowTable.h"

#include "ui/analysis/TFAnalyse.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFDetail.h"
#include "ui/printing/TFDruck.h"

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
    registry.AddOnFirstUse(QStringLiteral("FDruck"), [](AppContext& context) -> std::unique_ptr<QWidget> {
        auto window = std::make_unique<TFDruck>(context);
        // The notes of the correction panel show the editor that came with the printing command.
        QObject::connect(window.get(), &TFDruck::ParameterEditorRequested, window.get(),
                         [&context] { context.windows.ShowNewest(QStringLiteral("FDetail")); });
        return window;
    });

    // Created anew with every printing command.
    registry.AddAnew(QStringLiteral("FDetail"), Make<TFDetail>());
}

} // namespace qv
