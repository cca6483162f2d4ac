#include "ui/app/WindowTable.h"

#include "engine/core/SlipFile.h"
#include "text/DataFolder.h"
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
#include "ui/frame/HelpContexts.h"
#include "ui/frame/SharedCommands.h"
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

// The one name of a window's form, by which the table adds and finds it.
template <typename Window>
QString FormName() {
    return QString::fromUtf8(Window::kFormName);
}

// The help table (on the floor below the windows) names the windows by their form names as literals:
// each window the table makes must find its help there by its own kFormName.
template <typename... Windows>
constexpr bool EveryWindowHasHelp() {
    return ((HelpOf(Windows::kFormName).keyTopic != 0) && ...);
}
static_assert(
    EveryWindowHasHelp<TFAuswertung, TFOptionen, TFAbbild, TFQlinks, TFChart1, TFNueberK, TFKal, TFUpdate,
                       TFGewinnzahlen, TFDetail2, TFDetail1, TFTippcenter, TFEingabe, TFEingabe2, TFAnalyse, TFDruck,
                       TFStatistik1, TFInfo, TFBrowser, TFGewinnchancen, TFRueckblick, TFSysteme, TFDetail>(),
    "a window's form name has no entry in the help table");

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

// The winning-number window stores its settings in its own close handling, also when it was never made;
// the other windows are discarded without theirs.
std::unique_ptr<QWidget> MakeMainWindow(AppContext& context) {
    auto main = std::make_unique<TFAuswertung>(context);
    QObject::connect(main.get(), &TFAuswertung::Closing, main.get(), [&context](bool settingsReadable) {
        QWidget* numbers = context.windows.Find(FormName<TFGewinnzahlen>());
        if (!settingsReadable) {
            // Nothing is written to a settings file that cannot be read.
            if (numbers != nullptr) {
                numbers->hide();
            }
        } else if (numbers != nullptr) {
            numbers->close();
        } else {
            TFGewinnzahlen::StoreSettingsUnmade(context);
        }
    });
    return main;
}

TFAuswertung* MainWindowOf(const AppContext& context) {
    return qobject_cast<TFAuswertung*>(context.windows.Find(FormName<TFAuswertung>()));
}

std::unique_ptr<QWidget> MakeRepeaterView(AppContext& context) {
    auto window = std::make_unique<TFDetail2>(context);
    QObject::connect(window.get(), &TFDetail2::PatternViewRequested, window.get(),
                     [&context] { context.windows.OpenOrRestore(context, FormName<TFDetail1>()); });
    return window;
}

std::unique_ptr<QWidget> MakePatternView(AppContext& context) {
    auto window = std::make_unique<TFDetail1>(context);
    QObject::connect(window.get(), &TFDetail1::PictureRequested, window.get(),
                     [&context](QWidget* grid) { SnapshotGrid(context, grid, QString(), 0); });
    return window;
}

// The odds window names the open slips as the main window's tabs do.
std::unique_ptr<QWidget> MakeOddsWindow(AppContext& context) {
    auto window = std::make_unique<TFGewinnchancen>(context);
    window->SetSlipNames([&context] {
        QStringList names;
        if (TFAuswertung* main = MainWindowOf(context)) {
            for (const QString& path : main->OpenSlipPaths()) {
                names << QString::fromStdString(SlipDisplayName(ToPath(path)));
            }
        }
        return names;
    });
    return window;
}

std::unique_ptr<QWidget> MakeStatistics(AppContext& context) {
    auto window = std::make_unique<TFStatistik1>(context);
    TFStatistik1* statistics = window.get();
    QObject::connect(statistics, &TFStatistik1::ChartRequested, statistics, [&context, statistics] {
        if (auto* chart = qobject_cast<TFChart1*>(context.windows.Create(context, FormName<TFChart1>()))) {
            chart->Fill(statistics->Frequencies());
            context.windows.OpenOrRestore(context, FormName<TFChart1>());
        }
    });
    if (auto* main = qobject_cast<TFAuswertung*>(context.windows.Find(FormName<TFAuswertung>()))) {
        QObject::connect(main, &TFAuswertung::DrawDateAdded, statistics, &TFStatistik1::AppendPeriodEnd);
        QObject::connect(main, &TFAuswertung::DrawHistoryReplaced, statistics, &TFStatistik1::ReloadDrawDates);
    }
    return window;
}

// The update ends the program the ordinary way, through the main window.
std::unique_ptr<QWidget> MakeUpdate(AppContext& context) {
    auto window = std::make_unique<TFUpdate>(context);
    if (QWidget* main = context.windows.Find(FormName<TFAuswertung>())) {
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
    if (auto* links = qobject_cast<TFQlinks*>(context.windows.Create(context, FormName<TFQlinks>()))) {
        QObject::connect(links, &TFQlinks::LinksChanged, numbers.get(), &TFGewinnzahlen::UpdateLinkPanels);
        QObject::connect(numbers.get(), &TFGewinnzahlen::QuickLinksRequested, links, &TFQlinks::ShowModally);
        QObject::connect(numbers.get(), &TFGewinnzahlen::LinkEditingRequested, links,
                         [&context] { context.windows.OpenOrRestore(context, FormName<TFQlinks>()); });
        numbers->EnableLinkEditing();
    }
    numbers->UpdateLinkPanels();
    return numbers;
}

std::unique_ptr<QWidget> MakePrintWindow(AppContext& context) {
    auto window = std::make_unique<TFDruck>(context);
    // The notes of the correction panel show the editor that came with the printing command.
    QObject::connect(window.get(), &TFDruck::ParameterEditorRequested, window.get(),
                     [&context] { context.windows.ShowNewest(FormName<TFDetail>()); });
    return window;
}

// The editor comes with the printing command, after the print window: its calibration sheet applies
// the print window's correction as it stands and as it changes.
std::unique_ptr<QWidget> MakeParameterEditor(AppContext& context) {
    auto editor = std::make_unique<TFDetail>(context);
    if (auto* print = qobject_cast<TFDruck*>(context.windows.Find(FormName<TFDruck>()))) {
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
    QObject::connect(
        settings.get(), &TFOptionen::PresetsTransferRequested, settings.get(),
        [&context](const GeneratorPresets& presets) {
            if (auto* centre = qobject_cast<TFTippcenter*>(context.windows.Create(context, FormName<TFTippcenter>()))) {
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
    auto* entry = qobject_cast<TFEingabe*>(context.windows.Create(context, FormName<TFEingabe>()));
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
    context.windows.OpenOrRestore(context, FormName<TFEingabe>());
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
    registry.AddAtStart(FormName<TFAuswertung>(), MakeMainWindow);
    registry.AddAtStart(FormName<TFOptionen>(), MakeSettingsWindow);
    registry.AddAtStart(FormName<TFAbbild>(), Make<TFAbbild>());
    registry.AddAtStart(FormName<TFQlinks>(), Make<TFQlinks>());

    // Created on first use.
    registry.AddOnFirstUse(FormName<TFChart1>(), Make<TFChart1>());
    registry.AddOnFirstUse(FormName<TFNueberK>(), Make<TFNueberK>());
    registry.AddOnFirstUse(FormName<TFKal>(), Make<TFKal>());
    registry.AddOnFirstUse(FormName<TFUpdate>(), MakeUpdate);
    registry.AddOnFirstUse(FormName<TFGewinnzahlen>(), MakeWinningNumbers);
    registry.AddOnFirstUse(FormName<TFDetail2>(), MakeRepeaterView);
    registry.AddOnFirstUse(FormName<TFDetail1>(), MakePatternView);
    registry.AddOnFirstUse(FormName<TFTippcenter>(), MakeTipCentre);
    registry.AddOnFirstUse(FormName<TFEingabe>(), Make<TFEingabe>());
    registry.AddOnFirstUse(FormName<TFEingabe2>(), Make<TFEingabe2>());
    registry.AddOnFirstUse(FormName<TFAnalyse>(), MakeAnalysis);
    registry.AddOnFirstUse(FormName<TFDruck>(), MakePrintWindow);
    registry.AddOnFirstUse(FormName<TFStatistik1>(), MakeStatistics);
    registry.AddOnFirstUse(FormName<TFInfo>(), Make<TFInfo>());
    registry.AddOnFirstUse(FormName<TFBrowser>(), Make<TFBrowser>());
    registry.AddOnFirstUse(FormName<TFGewinnchancen>(), MakeOddsWindow);
    registry.AddOnFirstUse(FormName<TFRueckblick>(), Make<TFRueckblick>());
    registry.AddOnFirstUse(FormName<TFSysteme>(), MakeSystems);

    // Created anew with every printing command.
    registry.AddAnew(FormName<TFDetail>(), MakeParameterEditor);
}

void BindCommands(AppContext& context) {
    SharedCommands& commands = context.commands;
    commands.BindWindow(Command::Statistik, FormName<TFStatistik1>());
    commands.BindWindow(Command::Eingabe, FormName<TFEingabe>());
    commands.BindWindow(Command::Eingabe2, FormName<TFEingabe2>());
    commands.BindWindow(Command::Tippcenter, FormName<TFTippcenter>());
    commands.BindWindow(Command::Analyse, FormName<TFAnalyse>());
    commands.BindWindow(Command::Kalender, FormName<TFKal>());
    commands.BindWindow(Command::NueberK, FormName<TFNueberK>());
    commands.BindWindow(Command::Update, FormName<TFUpdate>());
    commands.BindWindow(Command::Gewinnzahlen, FormName<TFGewinnzahlen>());
    commands.BindWindow(Command::Gewinnauswertung, FormName<TFAuswertung>());
    commands.BindWindow(Command::OnlineSpielen, FormName<TFBrowser>());
    commands.BindWindow(Command::Druck, FormName<TFDruck>());
    commands.BindWindow(Command::Optionen, FormName<TFOptionen>());
    commands.BindWindow(Command::Info, FormName<TFInfo>());
    commands.BindWindow(Command::Gewinnchancen, FormName<TFGewinnchancen>());
    commands.BindWindow(Command::Rueckblick, FormName<TFRueckblick>());
    commands.BindWindow(Command::Systeme, FormName<TFSysteme>());
    commands.BindWindow(Command::Wiederholer, FormName<TFDetail1>());
    commands.BindWindow(Command::Muster, FormName<TFDetail2>());

    // Printing brings a fresh print-parameter editor with the print window, which shows in front.
    commands.BindOpener(Command::Druck, [&context](QWidget*) {
        context.windows.OpenOrRestore(context, FormName<TFDruck>());
        context.windows.CreateAnew(context, FormName<TFDetail>());
        context.windows.ShowWindow(FormName<TFDruck>());
    });
    // The settings are modal from the main window, modeless from the others.
    commands.BindOpener(Command::Optionen, [&context](QWidget* from) {
        auto* settings = qobject_cast<TFOptionen*>(context.windows.Find(FormName<TFOptionen>()));
        if (settings != nullptr && from != nullptr && from->objectName() == FormName<TFAuswertung>()) {
            settings->exec();
        } else {
            context.windows.ShowWindow(FormName<TFOptionen>());
        }
    });
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
    const QString formName = FormName<TFDetail>();
    if (auto* editor = qobject_cast<TFDetail*>(context.windows.CreateAnew(context, formName))) {
        editor->OpenFile(path);
        context.windows.ShowNewest(formName);
    }
}

} // namespace

void OpenHandedFiles(AppContext& context, const QStringList& paths) {
    auto* main = qobject_cast<TFAuswertung*>(context.windows.Find(FormName<TFAuswertung>()));
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
