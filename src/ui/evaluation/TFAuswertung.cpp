#include "ui/evaluation/TFAuswertung.h"

#include "engine/core/DrawStore.h"
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
#include "ui/draws/TFGewinnzahlen.h"
#include "ui/evaluation/TFrFrame1.h"
#include "ui/evaluation/TFrFrame2.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/InternetRoutines.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowRegistry.h"
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
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

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
    setObjectName(QStringLiteral("FAuswertung"));
    CreateToolBar();
    CreateMenu();
    CreateGroups();
    LoadDrawHistory();
    ReadStartSettings();
    m_context.commands.InstallHelpKey(this);
    setWindowTitle(WindowTitle(TitleSuffixes::Zentrale));
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + m_toolBar->sizeHint().height());
}

void TFAuswertung::CreateToolBar() {
    SharedCommands& commands = m_context.commands;
    m_toolBar = addToolBar(QStringLiteral("Werkzeuge"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(32, 32));

    commands.AddToolButton(m_toolBar, this, Command::Oeffnen, {}, [this] { OpenSlipFiles(); });
    commands.AddToolButton(m_toolBar, this, Command::Eingabe);
    commands.AddToolButton(m_toolBar, this, Command::Eingabe2);
    commands.AddToolButton(m_toolBar, this, Command::Tippcenter);
    m_toolBar->addSeparator();
    commands.AddToolButton(m_toolBar, this, Command::Statistik);
    commands.AddToolButton(m_toolBar, this, Command::Analyse);
    AddShowButton(QStringLiteral("BMuster1"), QStringLiteral("Wiederholer-Markierung"), QStringLiteral("FDetail1"),
                  QColor(0x82, 0x77, 0x17), QStringLiteral("W"));
    AddShowButton(QStringLiteral("BMuster2"), QStringLiteral("Gewinnzahlen- und Endzahlen-Muster"),
                  QStringLiteral("FDetail2"), QColor(0x9e, 0x9d, 0x24), QStringLiteral("M"));
    m_toolBar->addSeparator();
    commands.AddToolButton(m_toolBar, this, Command::Druck);
    commands.AddToolButton(m_toolBar, this, Command::Kalender);
    commands.AddToolButton(m_toolBar, this, Command::NueberK);
    commands.AddToolButton(m_toolBar, this, Command::Taschenrechner);
    commands.AddToolButton(m_toolBar, this, Command::Update);
    // The main window offers neither online play nor the settings button.
    commands.AddToolButton(m_toolBar, this, Command::OnlineSpielen)->setVisible(false);
    commands.AddToolButton(m_toolBar, this, Command::Optionen)->setVisible(false);
    m_toolBar->addSeparator();
    commands.AddToolButton(m_toolBar, this, Command::HilfeBenutzen);
    commands.AddToolButton(m_toolBar, this, Command::Beenden);
}

void TFAuswertung::AddShowButton(const QString& name, const QString& hint, const QString& formName,
                                 const QColor& colour, const QString& glyph) {
    auto* action = new QAction(TileIcon(colour, glyph), hint, this);
    action->setObjectName(name);
    action->setToolTip(hint);
    action->setEnabled(m_context.windows.Knows(formName));
    connect(action, &QAction::triggered, this, [this, formName] { m_context.windows.ShowWindow(formName); });
    m_toolBar->addAction(action);
    if (QWidget* button = m_toolBar->widgetForAction(action)) {
        button->setObjectName(name);
        button->setAccessibleName(hint);
    }
}

void TFAuswertung::CreateMenu() {
    m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::MainWindow,
                                        [this] { OpenSlipFiles(); });
}

void TFAuswertung::CreateGroups() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    m_gr1 = new QGroupBox(QStringLiteral("Gewinnreihen"), client);
    m_gr1->setObjectName(QStringLiteral("Gr1"));
    m_gr2 = new QGroupBox(QStringLiteral("Spielreihen-Auswertung"), client);
    m_gr2->setObjectName(QStringLiteral("Gr2"));

    auto* left = new QVBoxLayout(m_gr1);
    left->addWidget(CreateDrawEntry());
    left->addWidget(CreateBoard());
    // The news view takes the room below the board once the user asks for it.
    auto* webArea = new QWidget(m_gr1);
    webArea->setObjectName(QStringLiteral("PWeb"));
    webArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_webHost = new QVBoxLayout(webArea);
    m_webHost->setContentsMargins(0, 0, 0, 0);
    left->addWidget(webArea, 1);

    auto* right = new QVBoxLayout(m_gr2);
    right->addWidget(CreateSlipArea(), 2);
    right->addWidget(CreatePeriodSelection());
    m_pcf1 = new QTabWidget(m_gr2);
    m_pcf1->setObjectName(QStringLiteral("PCF1"));
    m_pcf1->setAccessibleName(QStringLiteral("Auswertungen"));
    right->addWidget(m_pcf1, 3);

    // Both groups are equally high; the board fixes the width of the left one.
    auto* layout = new QHBoxLayout(client);
    layout->addWidget(m_gr1, 0);
    layout->addWidget(m_gr2, 1);
    setCentralWidget(client);
    SetMultiRow(false);
}

QWidget* TFAuswertung::CreateDrawEntry() {
    auto* box = new QWidget(m_gr1);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(QStringLiteral("Gewinnreihen ergänzen"), box);
    heading->setObjectName(QStringLiteral("LErgaenzen"));
    auto* dateLabel = new QLabel(QStringLiteral("Datum"), box);
    dateLabel->setObjectName(QStringLiteral("LDatum"));
    m_combo1 = new QComboBox(box);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setPlaceholderText(QString::fromUtf8(kChooseText));
    m_combo1->setMinimumContentsLength(10);
    dateLabel->setBuddy(m_combo1);
    m_neu = new QPushButton(QStringLiteral("Neue\nZahlen"), box);
    m_neu->setObjectName(QStringLiteral("BNeu"));
    m_neu->setMinimumHeight(40);

    grid->addWidget(heading, 0, 0, 1, 2);
    grid->addWidget(dateLabel, 1, 0);
    grid->addWidget(m_combo1, 2, 0);
    grid->addWidget(m_neu, 1, 1, 2, 1);
    grid->setColumnStretch(0, 1);

    connect(m_combo1, &QComboBox::currentIndexChanged, this, &TFAuswertung::DrawSelected);
    connect(m_neu, &QPushButton::clicked, this, [this] { Guarded(m_context.ports.messages, [this] { NewDraw(); }); });
    return box;
}

QWidget* TFAuswertung::CreateBoard() {
    auto* box = new QWidget(m_gr1);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto* header = new QFrame(box);
    header->setObjectName(QStringLiteral("P50h"));
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    header->setAutoFillBackground(true);
    header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(2, 1, 2, 1);
    auto* caption = new QLabel(QStringLiteral("  20 aus 70"), header);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    m_image1 = new QToolButton(header);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setIcon(TileIcon(QColor(0xb0, 0x3a, 0x2e), QStringLiteral("×")));
    m_image1->setAutoRaise(true);
    m_image1->setToolTip(QStringLiteral("Alle Markierungen löschen"));
    m_image1->setAccessibleName(QStringLiteral("Alle Markierungen löschen"));
    headerLayout->addWidget(caption, 1);
    headerLayout->addWidget(m_image1);
    layout->addWidget(header);
    connect(m_image1, &QToolButton::clicked, this, [this] {
        ClearBoard(m_context.state);
        RestyleBoard();
    });

    auto* board = new QWidget(box);
    board->setObjectName(QStringLiteral("Board"));
    auto* grid = new QGridLayout(board);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    for (int n = 1; n <= kNumbersInGame; ++n) {
        auto* button = new QPushButton(QString::number(n), board);
        button->setObjectName(QStringLiteral("lot%1").arg(n));
        button->setProperty("tag", n);
        button->setFixedSize(31, 27);
        button->setAccessibleName(QStringLiteral("Zahl %1").arg(n));
        m_lots[static_cast<std::size_t>(n - 1)] = button;
        grid->addWidget(button, (n - 1) / 10, (n - 1) % 10);
        connect(button, &QPushButton::clicked, this, [this, n] { ClickNumber(n); });
    }
    layout->addWidget(board);
    RestyleBoard();

    auto* buttons = new QHBoxLayout;
    m_save1 = new QPushButton(QStringLiteral("Speichern"), box);
    m_save1->setObjectName(QStringLiteral("BSave1"));
    m_zwischenablage = new QPushButton(QStringLiteral("Zahlen aus\nZwischenablage"), box);
    m_zwischenablage->setObjectName(QStringLiteral("BZwischenablage"));
    m_aktuell = new QPushButton(QStringLiteral("Gibt es\nNeues?"), box);
    m_aktuell->setObjectName(QStringLiteral("BAktuell"));
    for (QPushButton* button : {m_save1, m_zwischenablage, m_aktuell}) {
        button->setMinimumHeight(40);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(m_save1, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { SaveDraw(); }); });
    connect(m_zwischenablage, &QPushButton::clicked, this, &TFAuswertung::ShowWinningNumberWindow);
    connect(m_aktuell, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { ShowNews(); }); });
    return box;
}

QWidget* TFAuswertung::CreateSlipArea() {
    auto* box = new QWidget(m_gr2);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* buttons = new QHBoxLayout;
    m_open1 = new QPushButton(QStringLiteral("Spielschein(e)\neinlesen"), box);
    m_open1->setObjectName(QStringLiteral("BOpen1"));
    m_open1->setMinimumHeight(40);
    const auto pictureButton = [box](const QString& name, const QString& hint, const QColor& colour,
                                     const QString& glyph) {
        auto* button = new QToolButton(box);
        button->setObjectName(name);
        button->setIcon(TileIcon(colour, glyph));
        button->setIconSize(QSize(28, 28));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        return button;
    };
    m_closeTab = pictureButton(QStringLiteral("BitBtn4"), QStringLiteral("Aktive Registerkarte schließen"),
                               QColor(0x9e, 0x4a, 0x2e), QStringLiteral("×"));
    m_closeAll = pictureButton(QStringLiteral("BitBtn5"), QStringLiteral("Alle Registerkarten schließen"),
                               QColor(0x7a, 0x22, 0x18), QStringLiteral("××"));
    auto* eigene2 = new QPushButton(QStringLiteral("Eigene\neingeben"), box);
    eigene2->setObjectName(QStringLiteral("BEigene2"));
    eigene2->setMinimumHeight(40);
    eigene2->setEnabled(m_context.commands.IsAvailable(Command::Eingabe));
    m_cbMehr = new QCheckBox(QStringLiteral("Registerkarten mehrzeilig"), box);
    m_cbMehr->setObjectName(QStringLiteral("cbMehr"));
    buttons->addWidget(m_open1);
    buttons->addWidget(m_closeTab);
    buttons->addWidget(m_closeAll);
    buttons->addWidget(eigene2);
    buttons->addWidget(m_cbMehr, 1);
    layout->addLayout(buttons);

    m_pc1 = new QTabWidget(box);
    m_pc1->setObjectName(QStringLiteral("PC1"));
    m_pc1->setAccessibleName(QStringLiteral("Spielscheine"));
    m_pc1->hide();
    layout->addWidget(m_pc1, 1);

    // The welcome panel stands where the slip tabs will be until the first slip is opened.
    m_pInfo = new QFrame(box);
    m_pInfo->setObjectName(QStringLiteral("PInfo"));
    m_pInfo->setFrameShape(QFrame::StyledPanel);
    m_pInfo->setAutoFillBackground(true);
    QPalette welcome = m_pInfo->palette();
    welcome.setColor(QPalette::Window, QColor(0xff, 0xfb, 0xe6));
    m_pInfo->setPalette(welcome);
    auto* info = new QGridLayout(m_pInfo);
    auto* picture = new QLabel(m_pInfo);
    picture->setObjectName(QStringLiteral("ImageInfo"));
    picture->setPixmap(TileIcon(QColor(0x2e, 0x7d, 0x32), QStringLiteral("20/70")).pixmap(64, 64));
    auto* hallo = new QLabel(QStringLiteral("Hallo!"), m_pInfo);
    QFont big = hallo->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    hallo->setFont(big);
    auto* angst = new QLabel(
        QStringLiteral("Keine Angst, das Bild verschwin-\ndet, sobald eine Datei mit Tipp-\nreihen geladen wird."),
        m_pInfo);
    auto* eingeben = new QLabel(
        QStringLiteral("Geben Sie Ihre eigenen Tipprei-\nhen ein oder laden Sie einen Demo-Schein."), m_pInfo);
    auto* eigene = new QPushButton(QStringLiteral("Eigene\neingeben"), m_pInfo);
    eigene->setObjectName(QStringLiteral("BEigene"));
    eigene->setMinimumHeight(40);
    eigene->setEnabled(m_context.commands.IsAvailable(Command::Eingabe));
    auto* demo = new QPushButton(QStringLiteral("Demo-\nSchein"), m_pInfo);
    demo->setObjectName(QStringLiteral("BDemo"));
    demo->setMinimumHeight(40);
    info->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    info->addWidget(hallo, 0, 1, 1, 2);
    info->addWidget(angst, 1, 1, 1, 2);
    info->addWidget(eingeben, 2, 1, 1, 2);
    info->addWidget(eigene, 3, 1);
    info->addWidget(demo, 3, 2);
    info->setRowStretch(4, 1);
    info->setColumnStretch(1, 1);
    info->setColumnStretch(2, 1);
    layout->addWidget(m_pInfo, 1);

    connect(m_open1, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { OpenSlipFiles(); }); });
    connect(m_closeTab, &QToolButton::clicked, this, &TFAuswertung::CloseActiveSlipTab);
    connect(m_closeAll, &QToolButton::clicked, this, &TFAuswertung::CloseAllSlipTabs);
    for (QPushButton* button : {eigene2, eigene}) {
        connect(button, &QPushButton::clicked, this, [this] { m_context.commands.Run(Command::Eingabe, this); });
    }
    connect(demo, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { OpenDemoSlip(); }); });
    connect(m_cbMehr, &QCheckBox::toggled, this, &TFAuswertung::SetMultiRow);
    return box;
}

QWidget* TFAuswertung::CreatePeriodSelection() {
    auto* box = new QFrame(m_gr2);
    box->setObjectName(QStringLiteral("PZeitraum"));
    box->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(box);
    auto* auswertung = new QLabel(QStringLiteral("Auswertung"), box);
    QFont bold = auswertung->font();
    bold.setBold(true);
    auswertung->setFont(bold);
    auto* fuer = new QLabel(QStringLiteral("für:"), box);
    m_label4 = new QLabel(QStringLiteral("Datum"), box);
    m_label4->setObjectName(QStringLiteral("Label4"));
    const auto dateList = [box](const QString& name) {
        auto* list = new QComboBox(box);
        list->setObjectName(name);
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setMinimumContentsLength(10);
        return list;
    };
    m_comboBox1 = dateList(QStringLiteral("ComboBox1"));
    m_combo2 = dateList(QStringLiteral("Combo2"));
    fuer->setBuddy(m_comboBox1);
    m_label4->setBuddy(m_comboBox1);
    m_cbBis = new QCheckBox(QStringLiteral("bis:"), box);
    m_cbBis->setObjectName(QStringLiteral("CBbis"));
    m_cbAlle = new QCheckBox(QStringLiteral("Sämtliche Dateien zu-\nsammen auswerten"), box);
    m_cbAlle->setObjectName(QStringLiteral("CBAlle"));
    m_cbAlle->setChecked(true);
    m_cbAlle->setEnabled(false);
    m_auswerten = new QPushButton(QStringLiteral("Auswerten"), box);
    m_auswerten->setObjectName(QStringLiteral("BAuswerten"));
    m_auswerten->setMinimumHeight(40);
    QFont boldButton = m_auswerten->font();
    boldButton.setBold(true);
    m_auswerten->setFont(boldButton);

    grid->addWidget(auswertung, 0, 0);
    grid->addWidget(m_label4, 0, 1);
    grid->addWidget(fuer, 1, 0);
    grid->addWidget(m_comboBox1, 1, 1);
    grid->addWidget(m_cbBis, 1, 2);
    grid->addWidget(m_combo2, 1, 3);
    grid->addWidget(m_cbAlle, 2, 0, 1, 3);
    grid->addWidget(m_auswerten, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    m_combo2->setAccessibleName(QStringLiteral("bis"));
    setTabOrder(m_comboBox1, m_cbBis);
    setTabOrder(m_cbBis, m_combo2);
    setTabOrder(m_combo2, m_cbAlle);
    setTabOrder(m_cbAlle, m_auswerten);

    const auto bisChanged = [this](bool checked) {
        m_combo2->setEnabled(checked);
        m_label4->setEnabled(checked);
    };
    bisChanged(false);
    connect(m_cbBis, &QCheckBox::toggled, this, bisChanged);
    for (QComboBox* list : {m_comboBox1, m_combo2}) {
        connect(list, &QComboBox::currentIndexChanged, this, &TFAuswertung::PeriodPositionsFromLists);
        connect(list, &QComboBox::editTextChanged, this, &TFAuswertung::PeriodPositionsFromLists);
    }
    connect(m_auswerten, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { Evaluate(); }); });
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
        m_neu->setEnabled(false);
        m_save1->setEnabled(false);
    }
    BuildDerivedArrays(state);
}

void TFAuswertung::ReadStartSettings() {
    const IniFile ini(m_context.state.DataFolder / kSettingsFileName);
    Guarded(m_context.ports.messages, [&] {
        const auto settings = ReadMainWindowStartSettings(ini);
        if (!settings) {
            return;
        }
        m_cbMehr->setChecked(settings->multiRow);
        for (const std::string& path : settings->slipFiles) {
            OpenSlipInMainWindow(QString::fromStdString(path));
        }
    });
}

void TFAuswertung::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown) {
        return;
    }
    m_shown = true;
    Guarded(m_context.ports.messages, [this] {
        if (const auto position = ReadMainWindowPosition(IniFile(m_context.state.DataFolder / kSettingsFileName))) {
            move(position->left, position->top);
        }
    });
    FillDateLists();
}

void TFAuswertung::FillDateLists() {
    const QStringList dates = DrawDateTexts(m_context.state.DrawList, 0, AppLocale());
    for (QComboBox* list : {m_combo1, m_comboBox1, m_combo2}) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(dates);
        list->setEditText(QString::fromUtf8(kChooseText));
        list->setCurrentIndex(static_cast<int>(dates.size()) - 1);
    }
    m_fromPos = m_toPos = static_cast<int>(dates.size()) - 1;
    DrawSelected(m_combo1->currentIndex());
}

void TFAuswertung::DrawSelected(int index) {
    if (index >= 0 && ShowDrawOnBoard(m_context.state, index)) {
        RestyleBoard();
    }
    SetWinningNumberHint(Combo1Text());
}

QString TFAuswertung::Combo1Text() const {
    return m_combo1->currentIndex() >= 0 ? m_combo1->currentText() : QString();
}

void TFAuswertung::SetWinningNumberHint(const QString& dateText) {
    if (auto* numbers = qobject_cast<TFGewinnzahlen*>(m_context.windows.Find(QStringLiteral("FGewinnzahlen")))) {
        numbers->SetHint(WinningNumbersHint(dateText));
    }
}

void TFAuswertung::RestyleBoard() {
    const ProgramState& state = m_context.state;
    for (int n = 1; n <= kNumbersInGame; ++n) {
        QPushButton* button = NumberButton(n);
        const bool marked = state.MarkedNumbers.Contains(n);
        QFont font = button->font();
        font.setBold(marked);
        font.setPointSize(marked ? 12 : 9);
        button->setFont(font);
        button->setAccessibleDescription(marked ? QStringLiteral("markiert") : QString());
    }
}

void TFAuswertung::ClickNumber(int n) {
    if (n < 1 || n > kNumbersInGame) {
        return;
    }
    if (qv::ClickNumber(m_context.state, n) == ClickOutcome::Refused) {
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
            QStringLiteral("Es sind noch keine Ziehungen gespeichert.\rVon welchem Tag sind die ersten Gewinnzahlen?"),
            QDate::currentDate());
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
    m_combo1->addItem(FormatDate(outcome.date, AppLocale()));
    m_combo1->setCurrentIndex(m_combo1->count() - 1);
    m_newDrawPending = true;
    SetWinningNumberHint(Combo1Text());
}

void TFAuswertung::SaveDraw() {
    ProgramState& state = m_context.state;
    const std::filesystem::path drawFile = state.DataFolder / kDrawFileName;
    const SaveOutcome outcome =
        SaveMarkedNumbers(state, m_combo1->currentIndex(), DatesOfTexts(ItemTexts(*m_combo1), AppLocale(), drawFile),
                          m_comboBox1->count(), drawFile);
    if (outcome.refusal) {
        m_context.ports.messages.Error(QString::fromUtf8(outcome.refusal));
        return;
    }
    if (outcome.addToPeriodLists) {
        const QString date = FormatDate(*outcome.addToPeriodLists, AppLocale());
        for (QComboBox* list : {m_comboBox1, m_combo2}) {
            list->addItem(date);
            list->setCurrentIndex(list->count() - 1);
        }
        m_fromPos = m_toPos = m_comboBox1->count() - 1;
        emit DrawDateAdded(date);
    }
    if (outcome.saved) {
        m_newDrawPending = false;
    }
}

void TFAuswertung::ShowWinningNumberWindow() {
    SetWinningNumberHint(Combo1Text());
    m_context.windows.ShowWindow(QStringLiteral("FGewinnzahlen"));
}

void TFAuswertung::ShowNews() {
    if (!IsConnected(m_context.ports.internet)) {
        m_context.ports.messages.Information(
            QStringLiteral("Für den Seiten-Aufruf muss eine Verbindung zum Internet bestehen."));
        return;
    }
    if (m_web1 == nullptr) {
        auto* view = new QWebEngineView;
        view->setObjectName(QStringLiteral("web1"));
        view->setAccessibleName(QStringLiteral("Neuigkeiten"));
        m_webHost->addWidget(view);
        setTabOrder(m_aktuell, view);
        m_web1 = view;
    }
    static_cast<QWebEngineView*>(m_web1)->setUrl(QUrl(m_context.webSite + QStringLiteral("/QVD/aktuell.html")));
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

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabG%1").arg(n));
    page->setProperty("tag", n);
    auto* frame = new TFrFrame1(state, page);
    frame->setObjectName(QStringLiteral("frG%1").arg(n));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    // A missing file gives an empty tab; an unreadable one is reported and gives one too.
    TSchein slip;
    Guarded(m_context.ports.messages, [&] { slip = ReadSlipFile(file).value_or(TSchein{}); });
    state.SlipList.push_back(slip);
    frame->FillSlipGrid(slip);

    m_pc1->addTab(page, QString::fromStdString(SlipDisplayName(file)));
    m_pc1->setCurrentWidget(page);
    m_pInfo->hide();
    m_pc1->show();
    UpdateSlipTabState();
}

void TFAuswertung::CloseActiveSlipTab() {
    const int tab = m_pc1->currentIndex();
    if (tab < 0) {
        return;
    }
    QWidget* page = m_pc1->widget(tab);
    m_pc1->removeTab(tab);
    delete page;
    auto& slips = m_context.state.SlipList;
    if (tab < static_cast<int>(slips.size())) {
        slips.erase(slips.begin() + tab);
    }
    UpdateSlipTabState();
}

void TFAuswertung::CloseAllSlipTabs() {
    while (m_pc1->count() > 0) {
        m_pc1->setCurrentIndex(m_pc1->count() - 1);
        CloseActiveSlipTab();
    }
}

void TFAuswertung::UpdateSlipTabState() {
    m_cbAlle->setEnabled(m_pc1->count() > 1);
}

TFrFrame1* TFAuswertung::SlipFrame(int tab) const {
    QWidget* page = m_pc1->widget(tab);
    return page ? page->findChild<TFrFrame1*>() : nullptr;
}

void TFAuswertung::PeriodPositionsFromLists() {
    m_fromPos = FindDateEntry(ItemTexts(*m_comboBox1), m_comboBox1->currentText());
    m_toPos = FindDateEntry(ItemTexts(*m_combo2), m_combo2->currentText());
}

void TFAuswertung::Evaluate() {
    ProgramState& state = m_context.state;
    EvaluationRequest request;
    request.fromPos = m_fromPos;
    if (m_cbBis->isChecked()) {
        request.toPos = m_toPos;
    }
    request.slipIndices = SlipsToEvaluate(m_pc1->count(), m_pc1->currentIndex(), m_cbAlle->isChecked());
    const EvaluationRun run = qv::Evaluate(state, request);
    if (run.refusal) {
        m_context.ports.messages.Error(QString::fromUtf8(run.refusal));
        return;
    }
    state.SlipGridHitMarks = run.hitMarks;
    const QString title =
        EvaluationTitle(run.singleDraw, m_comboBox1->itemText(run.period.first), m_combo2->itemText(run.period.Last()));
    const QLocale locale = AppLocale();
    for (const SlipResult& result : run.results) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabA%1").arg(result.resultNumber));
        auto* frame = new TFrFrame2(page);
        frame->setObjectName(QStringLiteral("frA%1").arg(result.resultNumber));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(frame);
        frame->ShowResult(title, ResultGridRows(result.rows, state.DrawList, locale),
                          BalanceText(result.balance, locale));
        m_pcf1->addTab(page, m_pc1->tabText(result.slipIndex));
        m_pcf1->setCurrentWidget(page);
    }
    RepaintSlipGrids();
}

void TFAuswertung::RepaintSlipGrids() {
    for (int tab = 0; tab < m_pc1->count(); ++tab) {
        if (TFrFrame1* frame = SlipFrame(tab)) {
            frame->Grid()->viewport()->update();
        }
    }
}

void TFAuswertung::SetMultiRow(bool multiRow) {
    // Qt's tab bars keep one row: "several rows" shows every tab at once, its caption shortened where
    // needed, instead of scrolling through them.
    for (QTabWidget* tabs : {m_pc1, m_pcf1}) {
        tabs->setUsesScrollButtons(!multiRow);
        tabs->setElideMode(multiRow ? Qt::ElideRight : Qt::ElideNone);
    }
}

void TFAuswertung::closeEvent(QCloseEvent* event) {
    // The winning-number window stores its settings in its own close handling; the other windows are
    // discarded without theirs.
    if (QWidget* numbers = m_context.windows.Find(QStringLiteral("FGewinnzahlen"))) {
        numbers->close();
    }
    Guarded(m_context.ports.messages, [this] {
        WriteMainWindowSettings(IniFile(m_context.state.DataFolder / kSettingsFileName), {pos().x(), pos().y()},
                                m_cbMehr->isChecked());
    });
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace qv
