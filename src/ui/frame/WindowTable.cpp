#include "ui/frame/WindowTable.h"

#include "text/DrawListText.h"
#include "ui/analysis/TFAnalyse.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"

namespace qv {

namespace {

template <typename Window>
WindowRegistry::Factory Make() {
    return [](AppContext& context) -> std::unique_ptr<QWidget> { return std::make_unique<Window>(context); };
}

// The winning-number window shows the date of the main window's draw and hands its numbers to the
// main window's board.
void Connect(TFAuswertung& main, TFGewinnzahlen& numbers) {
    QObject::connect(&main, &TFAuswertung::DrawDateChanged, &numbers,
                     [&numbers](const QString& dateText) { numbers.SetHint(WinningNumbersHint(dateText)); });
    QObject::connect(&numbers, &TFGewinnzahlen::NumbersTransferred, &main, [&main](const std::vector<int>& clicks) {
        for (const int n : clicks) {
            main.MarkNumber(n);
        }
    });
}

} // namespace

void RegisterWindows(WindowRegistry& registry) {
    // Created at start, in this order; the main window first.
    registry.AddAtStart(QLatin1String(TFAuswertung::kFormName), Make<TFAuswertung>());
    registry.AddAtStart(
        QLatin1String(TFGewinnzahlen::kFormName), [&registry](AppContext& context) -> std::unique_ptr<QWidget> {
            auto numbers = std::make_unique<TFGewinnzahlen>(context);
            if (auto* main = qobject_cast<TFAuswertung*>(registry.Find(QLatin1String(TFAuswertung::kFormName)))) {
                Connect(*main, *numbers);
            }
            return numbers;
        });

    // Created on first use.
    registry.AddOnFirstUse(QLatin1String(TFAnalyse::kFormName), Make<TFAnalyse>());
}

} // namespace qv
