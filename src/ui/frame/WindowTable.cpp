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
#include "ui/printing/TFDetail.h"
#include "ui/printing/TFDruck.h"
#include "ui/tips/TFEingabe.h"
#include "ui/tips/TFEingabe2.h"
#include "ui/tips/TFOptionen.h"
#include "ui/tips/TFRueckblick.h"
#include "ui/tips/TFSysteme.h"
#include "ui/tips/TFTippcenter.h"
#include "ui/tools/TFBrowser.h"
#include "ui/tools/TFInfo.h"
#include "ui/tools/TFKal.h"
#include "ui/tools/TFNueberK.h"
#include "ui/tools/TFQlinks.h"
#include "ui/tools/TFUpdate.h"

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
    numbers.SetHint(WinningNumbersHint(main.DrawDateText()));
    QObject::connect(&main, &TFAuswertung::DrawDateChanged, &numbers,
                     [&numbers](const QString& dateText) { numbers.SetHint(WinningNumbersHint(dateText)); });
    QObject::connect(&numbers, &TFGewinnzahlen::NumbersTransferred, &main, [&main](const std::vector<int>& clicks) {
        for (const int n : clicks) {
            main.MarkNumber(n);
        }
    });
}

// The windows' signals, wired where the windows are made.

TFAuswertung* MainWindowOf(const AppContext& context) {
    return qobject_cast<TFAuswertung*>(context.windows.Find(QLatin1String(TFAuswertung::kFormName)));
}

std::unique_ptr<QWidget> MakeRepeaterView(AppContext& context) {
    auto window = std::make_unique<TFDetail2>(context);
    QObject::connect(window.get(), &TFDetail2::PatternViewRequested, window.get(),
                     [&context] { context.windows.OpenOrRestore(context, QStringLiteral("FDetail1")); });
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
        if (auto* chart = qobject_cast<TFChart1*>(context.windows.Create(context, QStringLiteral("FChart1")))) {
            chart->Fill(statistics->Frequencies());
            context.windows.OpenOrRestore(context, QStringLiteral("FChart1"));
        }
    });
    if (auto* main = qobject_cast<TFAuswertung*>(context.windows.Find(QLatin1String(TFAuswertung::kFormName)))) {
        QObject::connect(main, &TFAuswertung::DrawDateAdded, statistics, &TFStatistik1::AppendPeriodEnd);
        QObject::connect(main, &TFAuswertung::DrawHistoryReplaced, statistics, &TFStatistik1::ReloadDrawDates);
    }
    return window;
}

// The update ends the program the ordinary way, through the main window.
std::unique_ptr<QWidget> MakeUpdate(AppContext& context) {
    auto window = std::make_unique<TFUpdate>(context);
    if (QWidget* main = context.windows.Find(QStringLiteral("FAuswertung"))) {
        QObject::connect(window.get(), &TFUpdate::ProgramEndRequested, main, &QWidget::close);
    }
    return window;
}

// The winning-number window, made when first shown, starts with the main window's draw. The quick
// links colour its link panels; a panel without a link asks for the quick-links window.
std::unique_ptr<QWidget> MakeWinningNumbers(AppContext& context) {
    auto numbers = std::make_unique<TFGewinnzahlen>(context);
    if (TFAuswertung* main = MainWindowOf(context)) {
        Connect(*main, *numbers);
    }
    if (auto* links =
            qobject_cast<TFQlinks*>(context.windows.Create(context, QString::fromUtf8(TFQlinks::kFormName)))) {
        QObject::connect(links, &TFQlinks::LinksChanged, numbers.get(), &TFGewinnzahlen::UpdateLinkPanels);
        QObject::connect(numbers.get(), &TFGewinnzahlen::QuickLinksRequested, links, &TFQlinks::ShowModally);
    }
    numbers->UpdateLinkPanels();
    return numbers;
}

std::unique_ptr<QWidget> MakePrintWindow(AppContext& context) {
    auto window = std::make_unique<TFDruck>(context);
    // The notes of the correction panel show the editor that came with the printing command.
    QObject::connect(window.get(), &TFDruck::ParameterEditorRequested, window.get(),
                     [&context] { context.windows.ShowNewest(QStringLiteral("FDetail")); });
    return window;
}

// The editor comes with the printing command, after the print window: its calibration sheet applies
// the print window's correction as it stands and as it changes.
std::unique_ptr<QWidget> MakeParameterEditor(AppContext& context) {
    auto editor = std::make_unique<TFDetail>(context);
    if (auto* print = qobject_cast<TFDruck*>(context.windows.Find(QStringLiteral("FDruck")))) {
        editor->SetCorrection(print->CorrectionHori(), print->CorrectionVert());
        QObject::connect(print, &TFDruck::CorrectionChanged, editor.get(), &TFDetail::SetCorrection);
    }
    return editor;
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

// Tip rows go into the slip entry window, created when needed, eight to a slip; the window is then shown.
void EnterIntoSlips(AppContext& context, const std::vector<TipRow>& rows) {
    auto* entry = qobject_cast<TFEingabe*>(context.windows.Create(context, QStringLiteral("FEingabe")));
    if (entry == nullptr) {
        return;
    }
    constexpr std::size_t kRowsPerSlip = 8;
    for (std::size_t first = 0; first < rows.size(); first += kRowsPerSlip) {
        std::vector<std::vector<int>> numbers;
        numbers.reserve(kRowsPerSlip);
        for (std::size_t r = first; r < std::min(rows.size(), first + kRowsPerSlip); ++r) {
            numbers.push_back(rows[r].numbers);
        }
        entry->EnterTipRows(numbers);
    }
    context.windows.OpenOrRestore(context, QStringLiteral("FEingabe"));
}

// The tip centre's period lists learn of draws saved in the main window.
std::unique_ptr<QWidget> MakeTipCentre(AppContext& context) {
    auto centre = std::make_unique<TFTippcenter>(context);
    if (TFAuswertung* main = MainWindowOf(context)) {
        QObject::connect(main, &TFAuswertung::DrawDateAdded, centre.get(), &TFTippcenter::AppendDrawDate);
        QObject::connect(main, &TFAuswertung::DrawHistoryReplaced, centre.get(), &TFTippcenter::ReloadDrawDates);
    }
    QObject::connect(centre.get(), &TFTippcenter::TransferRequested, centre.get(),
                     [&context](const std::vector<TipRow>& rows) { EnterIntoSlips(context, rows); });
    return centre;
}

std::unique_ptr<QWidget> MakeSystems(AppContext& context) {
    auto systems = std::make_unique<TFSysteme>(context);
    QObject::connect(systems.get(), &TFSysteme::TransferRequested, systems.get(),
                     [&context](const std::vector<TipRow>& rows) { EnterIntoSlips(context, rows); });
    return systems;
}

// The analysis window's period lists follow an import.
std::unique_ptr<QWidget> MakeAnalysis(AppContext& context) {
    auto analysis = std::make_unique<TFAnalyse>(context);
    if (TFAuswertung* main = MainWindowOf(context)) {
        QObject::connect(main, &TFAuswertung::DrawHistoryReplaced, analysis.get(), &TFAnalyse::FillPeriodLists);
    }
    return analysis;
}

} // namespace

void RegisterWindows(WindowRegistry& registry) {
    // Created at start, in this order; the main window first. The settings window opens the start
    // slips, the picture window makes sure the folder for pictures exists (and stays hidden), the
    // quick-links window reads the links of the winning-number window.
    registry.AddAtStart(QLatin1String(TFAuswertung::kFormName), Make<TFAuswertung>());
    registry.AddAtStart(QStringLiteral("FOptionen"), MakeSettingsWindow);
    registry.AddAtStart(QStringLiteral("FAbbild"), Make<TFAbbild>());
    registry.AddAtStart(QString::fromUtf8(TFQlinks::kFormName), Make<TFQlinks>());

    // Created on first use.
    registry.AddOnFirstUse(QStringLiteral("FChart1"), Make<TFChart1>());
    registry.AddOnFirstUse(QString::fromUtf8(TFNueberK::kFormName), Make<TFNueberK>());
    registry.AddOnFirstUse(QString::fromUtf8(TFKal::kFormName), Make<TFKal>());
    registry.AddOnFirstUse(QString::fromUtf8(TFUpdate::kFormName), MakeUpdate);
    registry.AddOnFirstUse(QLatin1String(TFGewinnzahlen::kFormName), MakeWinningNumbers);
    registry.AddOnFirstUse(QStringLiteral("FDetail2"), MakeRepeaterView);
    registry.AddOnFirstUse(QStringLiteral("FDetail1"), MakePatternView);
    registry.AddOnFirstUse(QStringLiteral("FTippcenter"), MakeTipCentre);
    registry.AddOnFirstUse(QStringLiteral("FEingabe"), Make<TFEingabe>());
    registry.AddOnFirstUse(QStringLiteral("FEingabe2"), Make<TFEingabe2>());
    registry.AddOnFirstUse(QLatin1String(TFAnalyse::kFormName), MakeAnalysis);
    registry.AddOnFirstUse(QStringLiteral("FDruck"), MakePrintWindow);
    registry.AddOnFirstUse(QStringLiteral("FStatistik1"), MakeStatistics);
    registry.AddOnFirstUse(QString::fromUtf8(TFInfo::kFormName), Make<TFInfo>());
    registry.AddOnFirstUse(QString::fromUtf8(TFBrowser::kFormName), Make<TFBrowser>());
    registry.AddOnFirstUse(QStringLiteral("FGewinnchancen"), Make<TFGewinnchancen>());
    registry.AddOnFirstUse(QString::fromUtf8(TFRueckblick::kFormName), Make<TFRueckblick>());
    registry.AddOnFirstUse(QString::fromUtf8(TFSysteme::kFormName), MakeSystems);

    // Created anew with every printing command.
    registry.AddAnew(QStringLiteral("FDetail"), MakeParameterEditor);
}

QString NotOpenedText(const QString& path, bool missing) {
    return missing ? QStringLiteral("Die Datei\r%1\rwurde nicht gefunden.").arg(path)
                   : QStringLiteral("Die Datei\r%1\rist keine Spielschein-Datei (*.kts) und wird nicht geöffnet.")
                         .arg(path);
}

namespace {

bool HasSuffix(const QFileInfo& file, const char* suffix) {
    return file.suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// A print-parameter file opens in an editor of its own, as the printing commands make them.
void OpenParameterEditor(AppContext& context, const QString& path) {
    const QString formName = QStringLiteral("FDetail");
    if (auto* editor = qobject_cast<TFDetail*>(context.windows.CreateAnew(context, formName))) {
        editor->OpenFile(path);
        context.windows.ShowNewest(formName);
    }
}

} // namespace

void OpenHandedFiles(AppContext& context, const QStringList& paths) {
    auto* main = qobject_cast<TFAuswertung*>(context.windows.Find(QStringLiteral("FAuswertung")));
    if (!main) {
        return;
    }
    QStringList parameterFiles;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!file.isFile()) {
            context.ports.messages.Error(NotOpenedText(path, true));
        } else if (HasSuffix(file, "kts")) {
            main->OpenSlipInMainWindow(file.absoluteFilePath());
        } else if (HasSuffix(file, "qvpd")) {
            parameterFiles.append(file.absoluteFilePath());
        } else {
            context.ports.messages.Error(NotOpenedText(path, false));
        }
    }
    // Before "Weiter" the main window is still hidden: the slips wait in it until it shows.
    if (main->isVisible()) {
        main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
        main->raise();
        main->activateWindow();
    }
    // The editors come after the main window, so that they stand in front of it.
    for (const QString& path : parameterFiles) {
        OpenParameterEditor(context, path);
    }
}

} // namespace qv
