#include "ui/frame/WindowTable.h"

#include "ui/analysis/TFAnalyse.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/tools/TFBrowser.h"
#include "ui/tools/TFInfo.h"
#include "ui/tools/TFKal.h"
#include "ui/tools/TFNueberK.h"
#include "ui/tools/TFQlinks.h"
#include "ui/tools/TFUpdate.h"

namespace qv {

namespace {

template <typename Window>
WindowRegistry::Factory Make() {
    return [](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<Window>(context); };
}

// The update ends the program the ordinary way, through the main window.
WindowRegistry::Factory MakeUpdate(WindowRegistry& registry) {
    return [&registry](AppContext& context) -> std::unique_ptr<QWidget> {
        auto update = std::make_unique<TFUpdate>(context);
        if (QWidget* main = registry.Find(QStringLiteral("FAuswertung"))) {
            QObject::connect(update.get(), &TFUpdate::ProgramEndRequested, main, &QWidget::close);
        }
        return update;
    };
}

// The quick links colour the winning-number window's link panels; a panel without a link asks for
// the quick-links window.
WindowRegistry::Factory MakeQuickLinks(WindowRegistry& registry) {
    return [&registry](AppContext& context) -> std::unique_ptr<QWidget> {
        auto links = std::make_unique<TFQlinks>(context);
        if (auto* numbers = qobject_cast<TFGewinnzahlen*>(registry.Find(QStringLiteral("FGewinnzahlen")))) {
            QObject::connect(links.get(), &TFQlinks::LinksChanged, numbers, &TFGewinnzahlen::UpdateLinkPanels);
            QObject::connect(numbers, &TFGewinnzahlen::QuickLinksRequested, links.get(), &TFQlinks::ShowModally);
            numbers->UpdateLinkPanels();
        }
        return links;
    };
}

} // namespace

void RegisterWindows(WindowRegistry& registry) {
    // Created at start, in this order; the main window first.
    registry.AddAtStart(QStringLiteral("FAuswertung"), Make<TFAuswertung>());
    registry.AddAtStart(QString::fromUtf8(TFNueberK::kFormName), Make<TFNueberK>());
    registry.AddAtStart(QString::fromUtf8(TFKal::kFormName), Make<TFKal>());
    registry.AddAtStart(QString::fromUtf8(TFUpdate::kFormName), MakeUpdate(registry));
    registry.AddAtStart(QStringLiteral("FGewinnzahlen"), Make<TFGewinnzahlen>());
    registry.AddAtStart(QString::fromUtf8(TFQlinks::kFormName), MakeQuickLinks(registry));

    // Created on first use.
    registry.AddOnFirstUse(QStringLiteral("FAnalyse"), Make<TFAnalyse>());
    registry.AddOnFirstUse(QString::fromUtf8(TFInfo::kFormName), Make<TFInfo>());
    registry.AddOnFirstUse(QString::fromUtf8(TFBrowser::kFormName), Make<TFBrowser>());
}

} // namespace qv
