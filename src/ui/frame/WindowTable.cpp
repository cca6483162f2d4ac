#include "ui/frame/WindowTable.h"

#include "ui/analysis/TFAnalyse.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/tips/TFOptionen.h"
#include "ui/tips/TFTippcenter.h"

namespace qv {

namespace {

template <typename Window>
WindowRegistry::Factory Make() {
    return [](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<Window>(context); };
}

TFAuswertung* MainWindowOf(const AppContext& context) {
    return qobject_cast<TFAuswertung*>(context.windows.Find(QStringLiteral("FAuswertung")));
}

// The settings window opens slip files in the main window (its start list right away, after the main
// window's own) and hands its presets to the tip centre, which it creates unseen when needed.
std::unique_ptr<QWidget> MakeSettingsWindow(AppContext& context) {
    auto settings = std::make_unique<TFOptionen>(context);
    TFAuswertung* main = MainWindowOf(context);
    if (main != nullptr) {
        QObject::connect(settings.get(), &TFOptionen::OpenSlipRequested, main, &TFAuswertung::OpenSlipInMainWindow);
    }
    QObject::connect(settings.get(), &TFOptionen::PresetsTransferRequested, settings.get(),
                     [&context](const GeneratorPresets& presets) {
                         if (auto* centre = qobject_cast<TFTippcenter*>(
                                 context.windows.Create(context, QStringLiteral("FTippcenter")))) {
                             centre->ApplyPresets(presets);
                         }
                     });
    if (main != nullptr) {
        settings->OpenStartSlips(main->OpenSlipPaths());
    }
    return settings;
}

// The tip centre's period lists learn of draws saved in the main window.
std::unique_ptr<QWidget> MakeTipCentre(AppContext& context) {
    auto centre = std::make_unique<TFTippcenter>(context);
    if (TFAuswertung* main = MainWindowOf(context)) {
        QObject::connect(main, &TFAuswertung::DrawDateSaved, centre.get(), &TFTippcenter::AppendDrawDate);
    }
    return centre;
}

} // namespace

void RegisterWindows(WindowRegistry& registry) {
    // Created at start, in this order; the main window first.
    registry.AddAtStart(QStringLiteral("FAuswertung"), Make<TFAuswertung>());
    registry.AddAtStart(QStringLiteral("FOptionen"), MakeSettingsWindow);
    registry.AddAtStart(QStringLiteral("FGewinnzahlen"), Make<TFGewinnzahlen>());

    // Created on first use.
    registry.AddOnFirstUse(QStringLiteral("FTippcenter"), MakeTipCentre);
    registry.AddOnFirstUse(QStringLiteral("FAnalyse"), Make<TFAnalyse>());
}

} // namespace qv
