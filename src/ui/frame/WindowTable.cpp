#include "ui/frame/WindowTable.h"

#include "text/DrawListText.h"
#include "ui/analysis/TFAnalyse.h"
#include "ui/analysis/TFChart1.h"
#include "ui/analysis/TFDetail1.h"
#include "ui/analysis/TFDetail2.h"
#include "ui/analysis/TFStatistik1.h"
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFAuswertung.h"
#include "ui/evaluation/TFGewinnchancen.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/printing/TFAbbild.h"
#include "ui/tips/TFEingabe.h"
#include "ui/tips/TFEingabe2.h"

#include <QFileInfo>

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

// The windows' signals, wired where the windows are made.

std::unique_ptr<QWidget> MakeRepeaterView(AppContext& context) {
    auto window = std::make_unique<TFDetail2>(context);
    QObject::connect(window.get(), &TFDetail2::PatternViewRequested, window.get(),
                     [&context] { context.windows.ShowWindow(QStringLiteral("FDetail1")); });
    return window;
}

std::unique_ptr<QWidget> MakePatternView(AppContext& context) {
    auto window = std::make_unique<TFDetail1>(context);
    QObject::connect(window.get(), &TFDetail1::PictureRequested, window.get(),
                     [&context](QWidget* grid) { SnapshotGrid(context, grid, QString(), 0); });
    return window;
}

std::unique_ptr<QWidget> MakeStatistics(AppContext& context) {
    auto window = std::make_unique<TFStatistik1>(context);
    TFStatistik1* statistics = window.get();
    QObject::connect(statistics, &TFStatistik1::ChartRequested, statistics, [&context, statistics] {
        if (auto* chart = qobject_cast<TFChart1*>(context.windows.Find(QStringLiteral("FChart1")))) {
            chart->Fill(statistics->Frequencies());
            context.windows.ShowWindow(QStringLiteral("FChart1"));
        }
    });
    if (auto* main = qobject_cast<TFAuswertung*>(context.windows.Find(QLatin1String(TFAuswertung::kFormName)))) {
        QObject::connect(main, &TFAuswertung::DrawDateAdded, statistics, &TFStatistik1::AppendPeriodEnd);
    }
    return window;
}

} // namespace

void RegisterWindows(WindowRegistry& registry) {
    // Created at start, in this order; the main window first.
    registry.AddAtStart(QLatin1String(TFAuswertung::kFormName), Make<TFAuswertung>());
    registry.AddAtStart(QStringLiteral("FChart1"), Make<TFChart1>());
    registry.AddAtStart(
        QLatin1String(TFGewinnzahlen::kFormName), [&registry](AppContext& context) -> std::unique_ptr<QWidget> {
            auto numbers = std::make_unique<TFGewinnzahlen>(context);
            if (auto* main = qobject_cast<TFAuswertung*>(registry.Find(QLatin1String(TFAuswertung::kFormName)))) {
                Connect(*main, *numbers);
            }
            return numbers;
        });
    registry.AddAtStart(QStringLiteral("FDetail2"), MakeRepeaterView);
    registry.AddAtStart(QStringLiteral("FDetail1"), MakePatternView);
    // Stays hidden; it makes sure the folder for pictures exists.
    registry.AddAtStart(QStringLiteral("FAbbild"), Make<TFAbbild>());

    // Created on first use.
    registry.AddOnFirstUse(QStringLiteral("FEingabe"), Make<TFEingabe>());
    registry.AddOnFirstUse(QStringLiteral("FEingabe2"), Make<TFEingabe2>());
    registry.AddOnFirstUse(QLatin1String(TFAnalyse::kFormName), Make<TFAnalyse>());
    registry.AddOnFirstUse(QStringLiteral("FStatistik1"), MakeStatistics);
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
