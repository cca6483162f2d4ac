#include "ui/frame/WindowTable.h"

#include "ui/analysis/TFAnalyse.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/evaluation/TFGewinnchancen.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"

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

} // namespace qv
