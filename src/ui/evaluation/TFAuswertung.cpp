#include "ui/evaluation/TFAuswertung.h"

#include "engine/core/DrawStore.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/core/IniFile.h"
#include "engine/core/SlipFile.h"
#include "engine/evaluation/DrawEntry.h"
#include "engine/evaluation/Evaluation.h"
#include "engine/evaluation/MainWindowSettings.h"
#include "text/AppLocale.h"
#include "text/DataFolder.h"
#include "text/DateText.h"
#include "text/DrawListText.h"
#include "text/OddsTexts.h"
#include "text/ResultGrids.h"
#include "ui/draws/TFImport.h"
#include "ui/evaluation/TFrFrame1.h"
#include "ui/evaluation/TFrFrame2.h"
#include "ui/evaluation/WelcomePanel.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ColumnWidthKeeper.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/frame/WindowRegistry.h"
#include "ui/widgets/DateList.h"
#include "ui/widgets/GridExport.h"
#include "ui/widgets/NumberBoard.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace qv {
namespace {

QStringList ItemTexts(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.itemText(i);
    }
    return texts;
}

} // namespace

TFAuswertung::TFAuswertung(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    CreateToolBar();
    CreateMenu();
    CreateGroups();
    LoadDrawHistory();
    CreateKeyboardCommands();
    ReadStartSettings();
    m_context.commands.InstallHelpKey(this);
    setWindowTitle(WindowTitle(TitleSuffixes::Zentrale));
    // On a laptop screen shorter than the client area the window opens as tall as the screen allows.
    resize(OpeningSize(
        *this, QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + m_toolBar->sizeHint().height())));
}

void TFAuswertung::CreateToolBar() {
    m_toolBar = SharedCommands::AddToolBar(this);
    SharedCommands& commands = m_context.commands;
    commands.AddToolButtons(
        m_toolBar, this,
        {{Command::Oeffnen, Command::Eingabe, Command::Eingabe2, Command::Tippcenter, Command::Systeme,
          Command::Statistik, Command::Analyse, Command::Wiederholer, Command::Muster, Command::Druck,
          Command::Kalender, Command::NueberK, Command::Taschenrechner, Command::Update, Command::OnlineSpielen,
          Command::Optionen, Command::HilfeBenutzen, Command::Beenden}},
        {{Command::Oeffnen, [this] { OpenSlipFiles(); }}});
    // The main window has no settings button to show.
    if (auto* settings = findChild<QAction*>(SharedCommands::ButtonName(Command::Optionen))) {
        settings->setVisible(false);
    }
}

void TFAuswertung::CreateMenu() {
    const auto menus = m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::MainWindow,
                                                           [this] { OpenSlipFiles(); });
    m_fileMenu = menus.datei;
    auto* import = new QAction(QStringLiteral("Ziehungen &importieren..."), this);
    import->setObjectName(QStringLiteral("MZiehungenImportieren"));
    menus.datei->insertAction(menus.datei->actions().value(2), import); // after "Öffnen"
    connect(import, &QAction::triggered, this, &TFAuswertung::ImportDraws);
}

void TFAuswertung::CreateKeyboardCommands() {
    // The day's main steps have keys of their own, shown beside their items in the file menu, so that
    // nobody has to tab through the board to reach them. Each item acts as its button does and is
    // available exactly when its button is.
    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
        QPushButton* button;
    } items[] = {
        {"MNeueZahlen", "Neue &Zahlen", QKeySequence(Qt::CTRL | Qt::Key_N), m_newDraw},
        {"MSpeichern", "Zahlen &speichern", QKeySequence(Qt::CTRL | Qt::Key_S), m_saveDraw},
        {"MZwischenablage", "Zahlen aus Zwischen&ablage", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
         m_fromClipboard},
        {"MAuswerten", "A&uswerten", QKeySequence(Qt::Key_F9), m_evaluate},
    };
    // Between the file items and "Beenden", behind a separator of their own.
    const QList<QAction*> existing = m_fileMenu->actions();
    QAction* before = existing.size() >= 2 ? existing[existing.size() - 2] : nullptr;
    m_fileMenu->insertSeparator(before);
    for (const auto& item : items) {
        auto* action = new QAction(QString::fromUtf8(item.caption), this);
        action->setObjectName(QString::fromUtf8(item.name));
        action->setShortcut(item.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(item.button->isEnabled());
        QPushButton* button = item.button;
        connect(action, &QAction::triggered, button, &QPushButton::click);
        m_fileMenu->insertAction(before, action);
    }
}

void TFAuswertung::CreateGroups() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    m_drawGroup = new QGroupBox(QStringLiteral("Gewinnreihen"), client);
    m_drawGroup->setObjectName(QStringLiteral("Gr1"));
    m_slipGroup = new QGroupBox(QStringLiteral("Spielreihen-Auswertung"), client);
    m_slipGroup->setObjectName(QStringLiteral("Gr2"));

    auto* left = new QVBoxLayout(m_drawGroup);
    left->addWidget(CreateDrawEntry());
    left->addWidget(CreateBoard());
    // The news view takes the room below the board once the user asks for it.
    auto* webArea = new QWidget(m_drawGroup);
    webArea->setObjectName(QStringLiteral("PWeb"));
    webArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_webHost = new QVBoxLayout(webArea);
    m_webHost->setContentsMargins(0, 0, 0, 0);
    left->addWidget(webArea, 1);

    auto* right = new QVBoxLayout(m_slipGroup);
    right->addWidget(CreateSlipArea(), 2);
    right->addWidget(CreatePeriodSelection());
    m_resultTabs = new QTabWidget(m_slipGroup);
    m_resultTabs->setObjectName(QStringLiteral("PCF1"));
    m_resultTabs->setAccessibleName(QStringLiteral("Auswertungen"));
    right->addWidget(m_resultTabs, 3);

    // Both groups are equally high; the board fixes the width of the left one.
    auto* layout = new QHBoxLayout(client);
    layout->addWidget(m_drawGroup, 0);
    layout->addWidget(m_slipGroup, 1);
    setCentralWidget(client);
    SetMultiRow(false);
}

QWidget* TFAuswertung::CreateDrawEntry() {
    auto* box = new QWidget(m_drawGroup);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(QStringLiteral("Gewinnreihen ergänzen"), box);
    heading->setObjectName(QStringLiteral("LErgaenzen"));
    auto* dateLabel = new QLabel(QStringLiteral("Datum"), box);
    dateLabel->setObjectName(QStringLiteral("LDatum"));
    m_drawDate = NewDateList(box, QStringLiteral("Combo1"));
    dateLabel->setBuddy(m_drawDate);
    m_newDraw = new QPushButton(QStringLiteral("Neue\nZahlen"), box);
    m_newDraw->setObjectName(QStringLiteral("BNeu"));
    m_newDraw->setMinimumHeight(40);
    SetSpokenName(m_newDraw, m_newDraw->text());

    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(dateLabel, 1, 0);
    grid->addWidget(m_drawDate, 2, 0);
    grid->addWidget(m_newDraw, 1, 1, 2, 1);
    m_invalidDraw = new QLabel(QString::fromUtf8(kInvalidDrawText), box);
    m_invalidDraw->setObjectName(QStringLiteral("LUngueltig"));
    m_invalidDraw->hide();
    grid->addWidget(m_invalidDraw, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(m_drawDate, &QComboBox::currentIndexChanged, this, &TFAuswertung::DrawSelected);
    connect(m_newDraw, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { NewDraw(); }); });
    return box;
}

QWidget* TFAuswertung::CreateBoard() {
    auto* box = new QWidget(m_drawGroup);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_board = new NumberBoard(box);
    layout->addWidget(m_board);
    connect(m_board, &NumberBoard::ClearClicked, this, [this] {
        ClearBoard(m_context.state);
        RestyleBoard();
    });
    connect(m_board, &NumberBoard::NumberClicked, this, &TFAuswertung::MarkNumber);
    RestyleBoard();

    auto* buttons = new QHBoxLayout;
    m_saveDraw = new QPushButton(QStringLiteral("Speichern"), box);
    m_saveDraw->setObjectName(QStringLiteral("BSave1"));
    m_fromClipboard = new QPushButton(QStringLiteral("Zahlen aus\nZwischenablage"), box);
    m_fromClipboard->setObjectName(QStringLiteral("BZwischenablage"));
    m_news = new QPushButton(QStringLiteral("Gibt es\nNeues?"), box);
    m_news->setObjectName(QStringLiteral("BAktuell"));
    for (QPushButton* button : {m_saveDraw, m_fromClipboard, m_news}) {
        button->setMinimumHeight(40);
        SetSpokenName(button, button->text());
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(m_saveDraw, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { SaveDraw(); }); });
    connect(m_fromClipboard, &QPushButton::clicked, this, &TFAuswertung::ShowWinningNumberWindow);
    connect(m_news, &QPushButton::clicked, this, [this] { Guarded(m_context.ports.messages, [this] { ShowNews(); }); });
    return box;
}

QWidget* TFAuswertung::CreateSlipArea() {
    auto* box = new QWidget(m_slipGroup);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* buttons = new QHBoxLayout;
    m_openSlips = new QPushButton(QStringLiteral("Spielschein(e)\neinlesen"), box);
    m_openSlips->setObjectName(QStringLiteral("BOpen1"));
    m_openSlips->setMinimumHeight(40);
    SetSpokenName(m_openSlips, m_openSlips->text());
    const auto pictureButton = [box](const QString& name, const QString& hint, Picture picture) {
        auto* button = new QToolButton(box);
        button->setObjectName(name);
        button->setIcon(PictureIcon(picture));
        button->setIconSize(QSize(28, 28));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        return button;
    };
    m_closeTab = pictureButton(QStringLiteral("BitBtn4"), QStringLiteral("Aktive Registerkarte schließen"),
                               Picture::CloseWindow);
    m_closeAll =
        pictureButton(QStringLiteral("BitBtn5"), QStringLiteral("Alle Registerkarten schließen"), Picture::CloseAll);
    auto* eigene2 = new QPushButton(QStringLiteral("Eigene\neingeben"), box);
    eigene2->setObjectName(QStringLiteral("BEigene2"));
    eigene2->setMinimumHeight(40);
    SetSpokenName(eigene2, eigene2->text());
    eigene2->setEnabled(m_context.commands.IsAvailable(Command::Eingabe));
    m_multiRow = new QCheckBox(QStringLiteral("Registerkarten mehrzeilig"), box);
    m_multiRow->setObjectName(QStringLiteral("cbMehr"));
    buttons->addWidget(m_openSlips);
    buttons->addWidget(m_closeTab);
    buttons->addWidget(m_closeAll);
    buttons->addWidget(eigene2);
    buttons->addWidget(m_multiRow, 1);
    layout->addLayout(buttons);

    m_slipTabs = new QTabWidget(box);
    m_slipTabs->setObjectName(QStringLiteral("PC1"));
    m_slipTabs->setAccessibleName(QStringLiteral("Spielscheine"));
    m_slipTabs->hide();
    layout->addWidget(m_slipTabs, 1);

    // The welcome panel stands where the slip tabs will be until the first slip is opened.
    m_welcome = new WelcomePanel(m_context.commands.IsAvailable(Command::Eingabe), box);
    layout->addWidget(m_welcome, 1);

    connect(m_openSlips, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { OpenSlipFiles(); }); });
    connect(m_closeTab, &QToolButton::clicked, this, &TFAuswertung::CloseActiveSlipTab);
    connect(m_closeAll, &QToolButton::clicked, this, &TFAuswertung::CloseAllSlipTabs);
    const auto enterOwnRows = [this] { m_context.commands.Run(Command::Eingabe, this); };
    connect(eigene2, &QPushButton::clicked, this, enterOwnRows);
    connect(m_welcome, &WelcomePanel::OwnRowsClicked, this, enterOwnRows);
    connect(m_welcome, &WelcomePanel::DemoClicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { OpenDemoSlip(); }); });
    connect(m_multiRow, &QCheckBox::toggled, this, &TFAuswertung::SetMultiRow);
    return box;
}

QWidget* TFAuswertung::CreatePeriodSelection() {
    auto* box = new QFrame(m_slipGroup);
    box->setObjectName(QStringLiteral("PZeitraum"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(box);
    auto* auswertung = new QLabel(QStringLiteral("Auswertung"), box);
    QFont bold = auswertung->font();
    bold.setBold(true);
    auswertung->setFont(bold);
    auto* fuer = new QLabel(QStringLiteral("für:"), box);
    m_periodToLabel = new QLabel(QStringLiteral("Datum"), box);
    m_periodToLabel->setObjectName(QStringLiteral("Label4"));
    m_periodFrom = NewDateList(box, QStringLiteral("ComboBox1"));
    m_periodTo = NewDateList(box, QStringLiteral("Combo2"));
    fuer->setBuddy(m_periodFrom);
    m_periodToLabel->setBuddy(m_periodFrom);
    m_periodToOn = new QCheckBox(QStringLiteral("bis:"), box);
    m_periodToOn->setObjectName(QStringLiteral("CBbis"));
    m_allFilesTogether = new QCheckBox(QStringLiteral("Sämtliche Dateien zu-\nsammen auswerten"), box);
    m_allFilesTogether->setObjectName(QStringLiteral("CBAlle"));
    SetSpokenName(m_allFilesTogether, m_allFilesTogether->text());
    m_allFilesTogether->setChecked(true);
    m_allFilesTogether->setEnabled(false);
    m_evaluate = new QPushButton(QStringLiteral("Auswerten"), box);
    m_evaluate->setObjectName(QStringLiteral("BAuswerten"));
    m_evaluate->setMinimumHeight(40);
    QFont boldButton = m_evaluate->font();
    boldButton.setBold(true);
    m_evaluate->setFont(boldButton);

    grid->addWidget(auswertung, 0, 0);
    grid->addWidget(m_periodToLabel, 0, 1);
    grid->addWidget(fuer, 1, 0);
    grid->addWidget(m_periodFrom, 1, 1);
    grid->addWidget(m_periodToOn, 1, 2);
    grid->addWidget(m_periodTo, 1, 3);
    grid->addWidget(m_allFilesTogether, 2, 0, 1, 3);
    grid->addWidget(m_evaluate, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // The check box "bis:" stands where the to list's label would; an unseen label names the list.
    auto* toLabel = new QLabel(QStringLiteral("bis"), box);
    toLabel->setObjectName(QStringLiteral("LBis"));
    toLabel->setBuddy(m_periodTo);
    toLabel->hide();
    setTabOrder(m_periodFrom, m_periodToOn);
    setTabOrder(m_periodToOn, m_periodTo);
    setTabOrder(m_periodTo, m_allFilesTogether);
    setTabOrder(m_allFilesTogether, m_evaluate);

    const auto bisChanged = [this](bool checked) {
        m_periodTo->setEnabled(checked);
        m_periodToLabel->setEnabled(checked);
    };
    bisChanged(false);
    connect(m_periodToOn, &QCheckBox::toggled, this, bisChanged);
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        connect(list, &QComboBox::currentIndexChanged, this, &TFAuswertung::PeriodPositionsFromLists);
        connect(list, &QComboBox::editTextChanged, this, &TFAuswertung::PeriodPositionsFromLists);
    }
    connect(m_evaluate, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { EvaluateSlips(); }); });
    return box;
}

void TFAuswertung::LoadDrawHistory() {
    ProgramState& state = m_context.state;
    try {
        state.DrawList = LoadDraws(state.DataFolder / kDrawFileName);
        m_drawsLoaded = true;
    } catch (const std::exception& error) {
        // An unreadable history must not be overwritten by a save of what little is in memory.
        state.DrawList.clear();
        ReportError(m_context.ports.messages, error);
        m_newDraw->setEnabled(false);
        m_saveDraw->setEnabled(false);
    }
    BuildDerivedArrays(state);
}

void TFAuswertung::ReadStartSettings() {
    const IniFile ini(m_context.state.DataFolder / kSettingsFileName);
    // One read for the start: a settings file that cannot be read is reported once.
    Guarded(m_context.ports.messages, [&] {
        const auto settings = ReadMainWindowStartSettings(ini);
        if (!settings) {
            return;
        }
        m_startPosition = ReadMainWindowPosition(ini);
        m_multiRow->setChecked(settings->multiRow);
        for (const std::string& path : settings->slipFiles) {
            OpenSlipInMainWindow(QString::fromStdString(path));
        }
    });
}

void TFAuswertung::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Prepare();
}

void TFAuswertung::Prepare() {
    if (m_prepared) {
        return;
    }
    m_prepared = true;
    if (m_startPosition) {
        move(m_startPosition->left, m_startPosition->top);
    }
    FillDateLists();
}

void TFAuswertung::FillDateLists() {
    const QStringList dates = DrawDateTexts(m_context.state.DrawList, 0, AppLocale());
    for (QComboBox* list : {m_drawDate, m_periodFrom, m_periodTo}) {
        const QSignalBlocker quiet(list);
        SetDateEntries(list, dates);
        list->setEditText(QString::fromUtf8(kChooseText));
        list->setCurrentIndex(static_cast<int>(dates.size()) - 1);
    }
    m_fromPos = m_toPos = static_cast<int>(dates.size()) - 1;
    DrawSelected(m_drawDate->currentIndex());
}

void TFAuswertung::DrawSelected(int index) {
    const ProgramState& state = m_context.state;
    if (index >= 0 && ShowDrawOnBoard(m_context.state, index)) {
        RestyleBoard();
    }
    // A stored record that holds no draw of the game is named so; a draw added and not yet saved is
    // simply still empty.
    const bool stored = index >= 0 && index < static_cast<int>(state.DrawSets.size());
    m_invalidDraw->setVisible(stored && !IsValidDraw(state.DrawList[static_cast<std::size_t>(index)]));
    emit DrawDateChanged(DrawDateText());
}

QString TFAuswertung::DrawDateText() const {
    // The chosen entry's text, not what may be half typed over it.
    return m_drawDate->itemText(m_drawDate->currentIndex());
}

void TFAuswertung::RestyleBoard() {
    m_board->ShowMarks(m_context.state.MarkedNumbers);
}

void TFAuswertung::MarkNumber(int n) {
    if (n < 1 || n > kNumbersInGame) {
        return;
    }
    if (ClickNumber(m_context.state, n) == ClickOutcome::Refused) {
        m_context.ports.messages.Information(QString::fromUtf8(kTwentyMarkedText));
        return;
    }
    RestyleBoard();
}

void TFAuswertung::NewDraw() {
    ProgramState& state = m_context.state;
    NewDrawOutcome outcome = AddNextDraw(state);
    if (outcome.needsFirstDate) {
        const auto first = m_context.ports.messages.ChooseDate(
            state.DrawList.empty()
                ? QStringLiteral(
                      "Es sind noch keine Ziehungen gespeichert.\rVon welchem Tag sind die ersten Gewinnzahlen?")
                : QStringLiteral("Das Datum der letzten Ziehung ist kein Kalendertag.\rVon welchem Tag sind die neuen "
                                 "Gewinnzahlen?"),
            m_context.ports.clock.Today());
        if (!first) {
            return;
        }
        outcome = AddNextDraw(state, FromQDate(*first));
    }
    if (outcome.refusal) {
        m_context.ports.messages.Error(QString::fromUtf8(outcome.refusal));
        return;
    }
    RestyleBoard();
    m_drawDate->addItem(FormatDate(outcome.date, AppLocale()));
    m_drawDate->setCurrentIndex(m_drawDate->count() - 1);
    m_newDrawPending = true;
    emit DrawDateChanged(DrawDateText());
}

void TFAuswertung::SaveDraw() {
    ProgramState& state = m_context.state;
    const std::filesystem::path drawFile = state.DataFolder / kDrawFileName;
    const SaveOutcome outcome = SaveMarkedNumbers(
        state, m_drawDate->currentIndex(), DatesOfTexts(ItemTexts(*m_drawDate), state.DrawList, AppLocale(), drawFile),
        m_periodFrom->count(), drawFile);
    if (outcome.refusal) {
        m_context.ports.messages.Error(QString::fromUtf8(outcome.refusal));
        return;
    }
    m_invalidDraw->hide(); // the chosen draw now holds the 20 numbers saved
    if (outcome.addToPeriodLists) {
        const QString date = FormatDate(*outcome.addToPeriodLists, AppLocale());
        for (QComboBox* list : {m_periodFrom, m_periodTo}) {
            list->addItem(date);
            list->setCurrentIndex(list->count() - 1);
        }
        m_fromPos = m_toPos = m_periodFrom->count() - 1;
        emit DrawDateAdded(date);
    }
    if (outcome.saved) {
        m_newDrawPending = false;
    }
}

void TFAuswertung::ImportDraws() {
    if (m_newDrawPending || !m_drawsLoaded) {
        m_context.ports.messages.Error(
            m_newDrawPending
                ? QStringLiteral("Bitte speichern Sie erst die neue Ziehung.\r\rIch breche erst einmal ab.")
                : QStringLiteral("Die Ziehungsdatei konnte beim Start nicht gelesen werden; ein Import würde sie "
                                 "überschreiben.\r\rIch breche erst einmal ab."));
        return;
    }
    if (auto* preview = TFImport::Prepare(m_context, this)) {
        connect(preview, &TFImport::Imported, this, [this] {
            FillDateLists();
            emit DrawHistoryReplaced();
        });
        preview->open();
    }
}

void TFAuswertung::ShowWinningNumberWindow() {
    emit DrawDateChanged(DrawDateText());
    m_context.commands.Run(Command::Gewinnzahlen, this);
}

void TFAuswertung::ShowNews() {
    const QString page = m_context.webSite + QStringLiteral("/QVD/aktuell.html");
    if (!IsConnected(m_context.ports.internet, page)) {
        m_context.ports.messages.Information(
            QStringLiteral("Für den Seiten-Aufruf muss eine Verbindung zum Internet bestehen."));
        return;
    }
    if (!m_newsView) {
        // Made inside the window from the start, so that no top-level window of its own ever appears.
        m_newsView = MakeWebView(m_webHost->parentWidget());
        if (!m_newsView) {
            // Without the browser module the page opens in the player's own browser.
            m_context.ports.shell.OpenUrl(page);
            return;
        }
        QWidget* view = m_newsView->Widget();
        view->setObjectName(QStringLiteral("web1"));
        view->setAccessibleName(QStringLiteral("Neuigkeiten"));
        m_webHost->addWidget(view);
        view->show();
        setTabOrder(m_news, view);
    }
    m_newsView->Load(QUrl(page));
}

void TFAuswertung::OpenSlipFiles() {
    FileDialogRequest request;
    request.title = QStringLiteral("Datei wählen");
    request.filter = QString::fromUtf8(kSlipFileFilter);
    request.defaultExtension = QString::fromUtf8(kSlipExtension);
    request.startFolder = FromPath(m_context.state.DataFolder);
    const QStringList chosen = m_context.ports.fileDialogs.OpenSeveral(request);
    if (chosen.isEmpty()) {
        return;
    }
    std::vector<std::string> paths;
    for (const QString& path : chosen) {
        paths.push_back(path.toStdString());
    }
    // The list of files to reopen is written before the files are opened.
    RecordChosenSlipFiles(IniFile(m_context.state.DataFolder / kSettingsFileName), paths);
    for (const QString& path : chosen) {
        OpenSlipInMainWindow(path);
    }
}

void TFAuswertung::OpenDemoSlip() {
    const std::filesystem::path demo = m_context.state.DataFolder / "Demo.kts";
    std::error_code ec;
    if (!std::filesystem::exists(demo, ec)) {
        m_context.ports.messages.Error(QStringLiteral(
            "Die Demo-Datei wurde nicht gefunden, offensichtlich wurde sie gelöscht.\r\rIch muss abbrechen."));
        return;
    }
    OpenSlipInMainWindow(FromPath(demo));
}

void TFAuswertung::OpenSlipInMainWindow(const QString& path) {
    ProgramState& state = m_context.state;
    const int n = ++state.SlipTabCount;
    const std::filesystem::path file = ToPath(path);

    // A missing file gives an empty tab; an unreadable one is reported and gives one too. A file that
    // holds no slip gives a tab that says so in place of the grid; its slip stays empty.
    TSchein slip;
    QString refusal;
    Guarded(m_context.ports.messages, [&] {
        try {
            slip = LoadSlip(file).value_or(TSchein{});
        } catch (const SlipContentError& error) {
            refusal = QString::fromStdString(error.what());
        }
    });
    state.SlipList.push_back(slip);

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabG%1").arg(n));
    page->setProperty("tag", n);
    page->setProperty("path", path);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    if (refusal.isEmpty()) {
        auto* frame = new TFrFrame1(state, page);
        frame->setObjectName(QStringLiteral("frG%1").arg(n));
        InstallGridExport(*frame->Grid(), m_context.ports, QStringLiteral("Spielschein.csv"));
        layout->addWidget(frame);
        frame->FillSlipGrid(slip);
    } else {
        auto* note = new QLabel(refusal, page);
        note->setObjectName(QStringLiteral("LKeinSchein%1").arg(n));
        note->setTextFormat(Qt::PlainText);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        note->setMargin(8);
        layout->addWidget(note);
    }

    m_slipTabs->addTab(page, QString::fromStdString(SlipDisplayName(file)));
    m_slipTabs->setCurrentWidget(page);
    m_welcome->hide();
    m_slipTabs->show();
    UpdateSlipTabState();
}

QStringList TFAuswertung::OpenSlipPaths() const {
    QStringList paths;
    for (int tab = 0; tab < m_slipTabs->count(); ++tab) {
        paths << m_slipTabs->widget(tab)->property("path").toString();
    }
    return paths;
}

void TFAuswertung::CloseActiveSlipTab() {
    const int tab = m_slipTabs->currentIndex();
    if (tab < 0) {
        return;
    }
    {
        const std::unique_ptr<QWidget> page(m_slipTabs->widget(tab));
        m_slipTabs->removeTab(tab);
    }
    auto& slips = m_context.state.SlipList;
    if (tab < static_cast<int>(slips.size())) {
        slips.erase(slips.begin() + tab);
    }
    UpdateSlipTabState();
}

void TFAuswertung::CloseAllSlipTabs() {
    while (m_slipTabs->count() > 0) {
        m_slipTabs->setCurrentIndex(m_slipTabs->count() - 1);
        CloseActiveSlipTab();
    }
}

void TFAuswertung::UpdateSlipTabState() {
    m_allFilesTogether->setEnabled(m_slipTabs->count() > 1);
}

TFrFrame1* TFAuswertung::SlipFrame(int tab) const {
    QWidget* page = m_slipTabs->widget(tab);
    return page ? page->findChild<TFrFrame1*>() : nullptr;
}

void TFAuswertung::PeriodPositionsFromLists() {
    m_fromPos = FindDateEntry(ItemTexts(*m_periodFrom), m_periodFrom->currentText());
    m_toPos = FindDateEntry(ItemTexts(*m_periodTo), m_periodTo->currentText());
}

void TFAuswertung::EvaluateSlips() {
    ProgramState& state = m_context.state;
    EvaluationRequest request;
    request.fromPos = m_fromPos;
    if (m_periodToOn->isChecked()) {
        request.toPos = m_toPos;
    }
    request.slipIndices =
        SlipsToEvaluate(m_slipTabs->count(), m_slipTabs->currentIndex(), m_allFilesTogether->isChecked());
    const EvaluationRun run = Evaluate(state, request);
    if (run.refusal) {
        m_context.ports.messages.Error(QString::fromUtf8(run.refusal));
        return;
    }
    state.SlipGridHitMarks = run.hitMarks;
    if (run.invalidDraws > 0) {
        m_context.ports.messages.Information(QString::fromStdString(InvalidDrawsNote(run.invalidDraws)));
    }
    const QString title = EvaluationTitle(run.singleDraw, m_periodFrom->itemText(run.period.first),
                                          m_periodTo->itemText(run.period.Last()));
    const QLocale locale = AppLocale();
    for (const SlipResult& result : run.results) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabA%1").arg(result.resultNumber));
        auto* frame = new TFrFrame2(page);
        frame->setObjectName(QStringLiteral("frA%1").arg(result.resultNumber));
        // The export ends like the tab, with the balance of stakes and wins.
        InstallGridExport(*frame->Grid(), m_context.ports, QStringLiteral("Auswertung.csv"), [frame] {
            QList<QStringList> rows = GridTexts(*frame->Grid());
            if (!frame->Balance()->text().isEmpty()) {
                rows << QStringList{frame->Balance()->text()};
            }
            return rows;
        });
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(frame);
        frame->ShowResult(title, ResultGridRows(result.rows, state.DrawList, locale),
                          BalanceText(result.balance, locale));
        m_resultTabs->addTab(page, m_slipTabs->tabText(result.slipIndex));
        m_resultTabs->setCurrentWidget(page);
    }
    // Every result grid takes the column widths the player set in an earlier one.
    KeepColumnWidthsOfNewGrids(*this);
    RepaintSlipGrids();
}

void TFAuswertung::RepaintSlipGrids() {
    for (int tab = 0; tab < m_slipTabs->count(); ++tab) {
        if (TFrFrame1* frame = SlipFrame(tab)) {
            frame->Grid()->viewport()->update();
        }
    }
}

void TFAuswertung::SetMultiRow(bool multiRow) {
    // Qt's tab bars keep one row: "several rows" shows every tab at once, its caption shortened where
    // needed, instead of scrolling through them.
    for (QTabWidget* tabs : {m_slipTabs, m_resultTabs}) {
        tabs->setUsesScrollButtons(!multiRow);
        tabs->setElideMode(multiRow ? Qt::ElideRight : Qt::ElideNone);
    }
}

void TFAuswertung::closeEvent(QCloseEvent* event) {
    // A settings file that cannot be read is reported once here, not again by every write below.
    const IniFile ini(m_context.state.DataFolder / kSettingsFileName);
    bool readable = false;
    Guarded(m_context.ports.messages, [&] {
        static_cast<void>(ReadMainWindowPosition(ini)); // reads the file, throws when it cannot
        readable = true;
    });
    emit Closing(readable);
    if (readable) {
        Guarded(m_context.ports.messages, [&] {
            WriteMainWindowSettings(ini, {pos().x(), pos().y()}, m_multiRow->isChecked());
        });
    }
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace qv
