#include "ui/analysis/TFAnalyse.h"

#include "engine/analysis/Combinations.h"
#include "engine/analysis/ComboRun.h"
#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/core/ProgramState.h"
#include "text/AppLocale.h"
#include "text/ComboTexts.h"
#include "text/DateText.h"
#include "text/DrawListText.h"
#include "ui/analysis/ComboRunTask.h"
#include "ui/analysis/SearchGridModel.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/widgets/DateList.h"
#include "ui/widgets/GridExport.h"
#include "ui/widgets/NumberKeys.h"

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace qv {
namespace {

constexpr int kBoardButtonWidth = 30;
constexpr int kBoardButtonHeight = 24;
constexpr int kListColumns = 3;
constexpr std::array<int, kListColumns> kListColumnWidths = {45, 95, 45};
constexpr int kResetRows = 9;

// A stored colour value is 0x00BBGGRR.
QColor FromTColor(std::uint32_t stored) {
    return QColor(static_cast<int>(stored & 0xFF), static_cast<int>((stored >> 8) & 0xFF),
                  static_cast<int>((stored >> 16) & 0xFF));
}

const QColor kWaitingColour = FromTColor(11795963);  // "warte..."
const QColor kCheckingColour = FromTColor(5876991);  // "prüfe..."
const QColor kCancelledColour = FromTColor(4737279); // "abgebrochen..."
const QColor kFinishedColour = FromTColor(13828036); // "fertig..."

QLabel* Panel(const QString& name, const QString& text, QWidget* parent) {
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setMinimumHeight(22);
    return panel;
}

QStringList ItemTexts(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.itemText(i);
    }
    return texts;
}

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TFAnalyse::TFAnalyse(AppContext& context)
    : m_context(context)
    , m_runTask(new ComboRunTask(this)) {
    setObjectName(QLatin1String(kFormName));
    CreateToolBar();
    CreateMenu();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    // Created in the order of the tab key: the search half, its results, then the run.
    QWidget* left = CreateSearchHalf(client);
    auto* right = new QWidget(client);
    right->setObjectName(QStringLiteral("PRechts"));
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(CreateResultPanel(right), 1);
    rightLayout->addWidget(CreateRunGroup(right));
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(left);
    layout->addWidget(right, 1);
    setCentralWidget(client);

    FillPeriodLists();
    m_context.commands.InstallHelpKey(this);
    setWindowTitle(WindowTitle(TitleSuffixes::Analyse));

    connect(m_runTask, &ComboRunTask::Progress, this, &TFAnalyse::ShowRunProgress, Qt::QueuedConnection);
    connect(m_runTask, &ComboRunTask::Finished, this, &TFAnalyse::RunEnded);

    const int chrome = menuBar()->sizeHint().height() + m_toolBar->sizeHint().height();
    const QSize wanted(left->sizeHint().width() + kRightWidth, kClientHeight + chrome);
    resize(wanted.expandedTo(sizeHint()));
}

TFAnalyse::~TFAnalyse() = default;

void TFAnalyse::CreateToolBar() {
    m_toolBar = SharedCommands::AddToolBar(this);
    m_context.commands.AddToolButtons(m_toolBar, this,
                                      {{Command::Eingabe2, Command::Tippcenter},
                                       {Command::Statistik},
                                       {Command::Druck, Command::Kalender, Command::NueberK, Command::Taschenrechner,
                                        Command::Update, Command::OnlineSpielen, Command::Optionen},
                                       {Command::HilfeBenutzen, Command::Beenden}});
}

void TFAnalyse::CreateMenu() {
    m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::OtherWindow);
    // This window is the analysis, and it has no slips to make, open or tell about.
    for (const QString& name : {SharedCommands::MenuItemName(Command::Analyse), QStringLiteral("MNeuerSpielschein"),
                                SharedCommands::MenuItemName(Command::Info)}) {
        if (auto* item = findChild<QAction*>(name)) {
            item->setEnabled(false);
        }
    }
}

QWidget* TFAnalyse::CreateSearchHalf(QWidget* parent) {
    auto* left = new QWidget(parent);
    left->setObjectName(QStringLiteral("PLinks"));
    auto* layout = new QVBoxLayout(left);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* top = new QFrame(left);
    top->setObjectName(QStringLiteral("PTop1"));
    top->setFrameShape(QFrame::Panel);
    top->setFrameShadow(QFrame::Raised);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(4, 2, 2, 2);
    auto* label6 = new QLabel(
        QStringLiteral(
            "Wählen Sie die Zahlen, nach denen gesucht wer-\nden soll - insgesamt oder als Kombinationspool"),
        top);
    label6->setObjectName(QStringLiteral("Label6"));
    SetSpokenName(label6, label6->text());
    m_clearPool = new QToolButton(top);
    m_clearPool->setObjectName(QStringLiteral("BitBtn5"));
    m_clearPool->setIcon(PictureIcon(Picture::Clear));
    m_clearPool->setIconSize(QSize(24, 24));
    m_clearPool->setAutoRaise(true);
    m_clearPool->setToolTip(QStringLiteral("Auswahl löschen"));
    m_clearPool->setAccessibleName(QStringLiteral("Auswahl löschen"));
    topLayout->addWidget(label6, 1);
    topLayout->addWidget(m_clearPool);
    layout->addWidget(top);
    connect(m_clearPool, &QToolButton::clicked, this, &TFAnalyse::ClearPool);

    layout->addWidget(CreateBoard(left));
    layout->addWidget(CreateSearchOptions(left));
    layout->addStretch(1);
    return left;
}

QWidget* TFAnalyse::CreateBoard(QWidget* parent) {
    auto* board = new QWidget(parent);
    board->setObjectName(QStringLiteral("Board"));
    auto* grid = new QGridLayout(board);
    grid->setContentsMargins(10, 6, 10, 6);
    grid->setSpacing(1);
    for (int n = 1; n <= kNumbersInGame; ++n) {
        auto* button = new QPushButton(QString::number(n), board);
        button->setObjectName(QStringLiteral("lot%1").arg(n));
        button->setProperty("tag", n);
        button->setFixedSize(kBoardButtonWidth, kBoardButtonHeight);
        button->setCheckable(true);
        button->setAccessibleName(QStringLiteral("Zahl %1").arg(n));
        m_lots[static_cast<std::size_t>(n - 1)] = button;
        grid->addWidget(button, (n - 1) / 10, (n - 1) % 10);
        StyleNumber(n);
        connect(button, &QPushButton::clicked, this, [this, n] { ClickNumber(n); });
    }
    new NumberKeys(std::vector<QAbstractButton*>(m_lots.begin(), m_lots.end()), 10, board);
    board->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return board;
}

QWidget* TFAnalyse::CreateSearchOptions(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);

    auto* panel8 = new QFrame(box);
    panel8->setObjectName(QStringLiteral("Panel8"));
    panel8->setFrameShape(QFrame::Panel);
    panel8->setFrameShadow(QFrame::Sunken);
    auto* countLayout = new QHBoxLayout(panel8);
    countLayout->setContentsMargins(2, 2, 2, 2);
    auto* countCaption = new QLabel(QStringLiteral("  Zahlen gewählt:"), panel8);
    m_poolCountPanel = Panel(QStringLiteral("PAnz"), QStringLiteral("0"), panel8);
    m_poolCountPanel->setAlignment(Qt::AlignCenter);
    m_poolCountPanel->setMinimumWidth(40);
    m_poolCountPanel->setAccessibleName(QStringLiteral("Zahlen gewählt"));
    countLayout->addWidget(countCaption, 1);
    countLayout->addWidget(m_poolCountPanel);
    layout->addWidget(panel8);

    m_wholePool = new QRadioButton(QStringLiteral("Nur Auftreten der Auswahl suchen"), box);
    m_wholePool->setObjectName(QStringLiteral("RG1"));
    m_wholePool->setChecked(true);
    m_combinations = new QRadioButton(QStringLiteral("Aus der Auswahl alle Kombi-\nnationen suchen aus..."), box);
    m_combinations->setObjectName(QStringLiteral("RG2"));
    m_combinations->setAccessibleName(QStringLiteral("Aus der Auswahl alle Kombinationen suchen aus..."));
    m_searchSize = new QComboBox(box);
    m_searchSize->setObjectName(QStringLiteral("ComboAuswahl"));
    m_searchSize->setPlaceholderText(FromUtf8(kChooseText));
    for (int k = kMinKenoType; k <= kMaxKenoType; ++k) {
        m_searchSize->addItem(QStringLiteral("%1 Zahlen").arg(k));
    }
    m_searchSize->setCurrentIndex(-1);
    m_searchSize->setAccessibleName(QStringLiteral("Größe der Kombinationen"));
    layout->addWidget(m_wholePool);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_combinations, 1);
    sizeRow->addWidget(m_searchSize);
    layout->addLayout(sizeRow);
    connect(m_searchSize, &QComboBox::activated, this, [this] { m_combinations->setChecked(true); });

    auto* period = new QGroupBox(QStringLiteral("Auswertungszeitraum"), box);
    period->setObjectName(QStringLiteral("GBZeitraum"));
    auto* periodLayout = new QGridLayout(period);
    periodLayout->setContentsMargins(6, 4, 6, 4);
    auto* from = new QLabel(QStringLiteral("von:"), period);
    auto* to = new QLabel(QStringLiteral("bis:"), period);
    m_periodFrom = NewDateList(period, QStringLiteral("Combo1"));
    m_periodTo = NewDateList(period, QStringLiteral("Combo2"));
    from->setBuddy(m_periodFrom);
    to->setBuddy(m_periodTo);
    m_search = new QPushButton(QStringLiteral("Suchen"), period);
    m_search->setObjectName(QStringLiteral("BSuche"));
    m_search->setMinimumHeight(28);
    periodLayout->addWidget(from, 0, 0);
    periodLayout->addWidget(m_periodFrom, 0, 1);
    periodLayout->addWidget(to, 1, 0);
    periodLayout->addWidget(m_periodTo, 1, 1);
    periodLayout->addWidget(m_search, 0, 2, 2, 1);
    periodLayout->setColumnStretch(1, 1);
    layout->addWidget(period);
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        connect(list, &QComboBox::currentIndexChanged, this, &TFAnalyse::PeriodFromLists);
        connect(list, &QComboBox::editTextChanged, this, &TFAnalyse::PeriodFromLists);
    }
    connect(m_search, &QPushButton::clicked, this, [this] { Guarded(m_context.ports.messages, [this] { Search(); }); });

    auto* info = new QFrame(box);
    info->setObjectName(QStringLiteral("PInfo"));
    info->setFrameShape(QFrame::Panel);
    info->setFrameShadow(QFrame::Sunken);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->setContentsMargins(4, 2, 4, 2);
    m_searchInfo = new QLabel(info);
    m_searchInfo->setObjectName(QStringLiteral("LInfo"));
    m_searchInfo->setWordWrap(true);
    m_searchInfo->setMinimumHeight(2 * m_searchInfo->fontMetrics().lineSpacing() + 4);
    m_searchInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    infoLayout->addWidget(m_searchInfo);
    layout->addWidget(info);

    m_searchProgress = new QProgressBar(box);
    m_searchProgress->setObjectName(QStringLiteral("PBar2"));
    m_searchProgress->setTextVisible(false);
    m_searchProgress->setMaximumHeight(14);
    m_searchProgress->setRange(0, 1);
    m_searchProgress->setValue(0);
    m_searchProgress->setAccessibleName(QStringLiteral("Fortschritt der Suche"));
    layout->addWidget(m_searchProgress);
    return box;
}

QWidget* TFAnalyse::CreateResultPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("PGrid"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_resultTitle = Panel(QStringLiteral("POben"), QStringLiteral("  Suchergebnis"), panel);
    QFont bold = m_resultTitle->font();
    bold.setBold(true);
    m_resultTitle->setFont(bold);
    m_results = new QTableView(panel);
    m_results->setObjectName(QStringLiteral("G1"));
    m_results->setAccessibleName(QStringLiteral("Suchergebnis"));
    m_resultModel = new SearchGridModel(m_results);
    m_results->setModel(m_resultModel);
    SetUpSearchGrid(*m_results);
    InstallGridExport(*m_results, m_context.ports, QStringLiteral("Suchergebnis.csv"));
    m_resultTitle->setBuddy(m_results);
    m_hitCount = Panel(QStringLiteral("PErgebnis"), QString(), panel);
    layout->addWidget(m_resultTitle);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_hitCount);
    return panel;
}

QTableView* TFAnalyse::CreateListGrid(QWidget* parent, const QString& name, const QString& accessibleName,
                                      QStandardItemModel*& model) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setAccessibleName(accessibleName);
    model = new QStandardItemModel(kResetRows, kListColumns, grid);
    model->setHorizontalHeaderLabels(
        {QStringLiteral("Position"), QStringLiteral("Kombination"), QStringLiteral("Anzahl")});
    grid->setModel(model);
    InstallGridExport(*grid, m_context.ports, accessibleName + QStringLiteral(".csv"));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setMinimumSectionSize(8);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    // The widths the lists have always had, wider where the font needs it for a heading or for the widest
    // entry: five numbers of two digits, a count of six digits.
    const QFontMetrics headingMetrics(grid->horizontalHeader()->font());
    const QFontMetrics cellMetrics(grid->font());
    const std::array<QString, kListColumns> widest = {QStringLiteral("00000"), QStringLiteral("00-00-00-00-00"),
                                                      QStringLiteral("000.000")};
    for (int c = 0; c < kListColumns; ++c) {
        const auto at = static_cast<std::size_t>(c);
        const int columnWidth =
            std::max({kListColumnWidths[at],
                      headingMetrics.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString()) + 12,
                      cellMetrics.horizontalAdvance(widest[at]) + 12});
        grid->setColumnWidth(c, columnWidth);
        width += columnWidth;
    }
    grid->setFixedWidth(width);
    return grid;
}

QWidget* TFAnalyse::CreateRunGroup(QWidget* parent) {
    auto* group =
        new QGroupBox(QStringLiteral("Häufigste und seltenste Kombinationen aus 2, 3, 4 und 5 Zahlen"), parent);
    group->setObjectName(QStringLiteral("GBKombinationen"));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(CreateRunControls(group));
    CreateRunLists(group, layout);
    group->setMinimumHeight(300);
    return group;
}

QWidget* TFAnalyse::CreateRunControls(QWidget* group) {
    auto* controls = new QVBoxLayout;
    controls->setSpacing(4);
    auto* sizeLabel = new QLabel(QStringLiteral("Kombination aus"), group);
    m_runSize = new QComboBox(group);
    m_runSize->setObjectName(QStringLiteral("ComboKombi"));
    m_runSize->setPlaceholderText(FromUtf8(kChooseText));
    for (int k = kMinRunSize; k <= kMaxRunSize; ++k) {
        m_runSize->addItem(QStringLiteral("%1 Zahlen").arg(k));
    }
    m_runSize->setCurrentIndex(-1);
    sizeLabel->setBuddy(m_runSize);
    controls->addWidget(sizeLabel);
    controls->addWidget(m_runSize);

    m_runPeriod = new QGroupBox(QStringLiteral("Auswertungszeitraum"), group);
    m_runPeriod->setObjectName(QStringLiteral("RGAusw"));
    auto* periodLayout = new QVBoxLayout(m_runPeriod);
    periodLayout->setContentsMargins(6, 2, 6, 2);
    periodLayout->setSpacing(0);
    m_runWhole = new QRadioButton(QStringLiteral("gesamt"), m_runPeriod);
    m_runWhole->setObjectName(QStringLiteral("RGAusw0"));
    m_runWhole->setChecked(true);
    m_runAsLeft = new QRadioButton(QStringLiteral("wie links festgelegt"), m_runPeriod);
    m_runAsLeft->setObjectName(QStringLiteral("RGAusw1"));
    periodLayout->addWidget(m_runWhole);
    periodLayout->addWidget(m_runAsLeft);
    controls->addWidget(m_runPeriod);

    m_start = new QPushButton(group);
    m_start->setObjectName(QStringLiteral("BStart"));
    m_start->setIconSize(QSize(20, 20));
    m_start->setMinimumHeight(30);
    SetStartButton(false);
    controls->addWidget(m_start);
    connect(m_start, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { StartOrCancelRun(); }); });

    m_status = Panel(QStringLiteral("PStatus"), QString(), group);
    m_status->setAlignment(Qt::AlignCenter);
    SetStatus(QStringLiteral("warte..."), kWaitingColour);
    m_checks = Panel(QStringLiteral("PRoutinen"), QStringLiteral("Prüfroutinen:"), group);
    m_expectation = Panel(QStringLiteral("PErwartung"), QStringLiteral("Erwartungswert:"), group);
    m_duration = Panel(QStringLiteral("PDauer"), QStringLiteral("Dauer:"), group);
    for (QLabel* panel : {m_status, m_checks, m_expectation, m_duration}) {
        controls->addWidget(panel);
    }
    controls->addStretch(1);
    // Wide enough for the longest figure (five numbers over 99,999 draws), so a run never widens it.
    auto* controlColumn = new QWidget(group);
    controlColumn->setLayout(controls);
    controls->setContentsMargins(0, 0, 0, 0);
    controlColumn->setFixedWidth(
        m_checks->fontMetrics().horizontalAdvance(QStringLiteral("Prüfroutinen: 1.210.301.400.000")) + 16);
    return controlColumn;
}

void TFAnalyse::CreateRunLists(QWidget* group, QHBoxLayout* layout) {
    // Each list under its heading, the progress bar between them; created in reading order.
    const auto listWithHeader = [this, group](const QString& headerName, const QString& caption,
                                              const QString& gridName, QStandardItemModel*& model) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        QLabel* header = Panel(headerName, caption, group);
        header->setAlignment(Qt::AlignCenter);
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        QTableView* grid = CreateListGrid(group, gridName, caption, model);
        header->setBuddy(grid);
        column->addWidget(header);
        column->addWidget(grid, 1);
        return std::pair{column, grid};
    };
    const auto [topsColumn, tops] =
        listWithHeader(QStringLiteral("PTops"), QStringLiteral("Tops"), QStringLiteral("GK1"), m_topsModel);
    m_tops = tops;
    m_runProgress = new QProgressBar(group);
    m_runProgress->setObjectName(QStringLiteral("PBar"));
    m_runProgress->setOrientation(Qt::Vertical);
    m_runProgress->setTextVisible(false);
    m_runProgress->setFixedWidth(16);
    m_runProgress->setRange(0, 1);
    m_runProgress->setValue(0);
    m_runProgress->setAccessibleName(QStringLiteral("Fortschritt der Prüfung"));
    const auto [flopsColumn, flops] =
        listWithHeader(QStringLiteral("PFlops"), QStringLiteral("Flops"), QStringLiteral("GK2"), m_flopsModel);
    m_flops = flops;
    layout->addLayout(topsColumn);
    layout->addWidget(m_runProgress);
    layout->addLayout(flopsColumn);
}

void TFAnalyse::FillPeriodLists() {
    const auto& draws = m_context.state.DrawList;
    const QLocale locale = AppLocale();
    const QSignalBlocker quietFrom(m_periodFrom);
    const QSignalBlocker quietTo(m_periodTo);
    SetDateEntries(m_periodFrom, DrawDateTexts(draws, 1, locale));
    SetDateEntries(m_periodTo, DrawDateTexts(draws, 0, locale));
    m_periodFrom->setCurrentIndex(m_periodFrom->count() > 0 ? 0 : -1);
    m_periodTo->setCurrentIndex(m_periodTo->count() - 1);
    m_periodStart = 0;
    m_periodEnd = m_periodTo->count() - 1;
}

void TFAnalyse::PeriodFromLists() {
    m_periodStart = FindDateEntry(ItemTexts(*m_periodFrom), m_periodFrom->currentText());
    m_periodEnd = FindDateEntry(ItemTexts(*m_periodTo), m_periodTo->currentText());
}

void TFAnalyse::StyleNumber(int n) {
    QPushButton* button = m_lots[static_cast<std::size_t>(n - 1)];
    const bool inPool = m_pool.Contains(n);
    QFont font = button->font();
    font.setBold(inPool);
    font.setPointSize(inPool ? 12 : 9);
    button->setFont(font);
    button->setChecked(inPool);
}

void TFAnalyse::ShowPoolCount() {
    m_poolCountPanel->setText(QString::number(m_poolCount));
}

void TFAnalyse::ClickNumber(int n) {
    if (n < 1 || n > kNumbersInGame) {
        return;
    }
    if (m_pool.Contains(n)) {
        m_pool.Remove(n);
        --m_poolCount;
    } else if (m_poolCount >= kMaxPoolCount) {
        StyleNumber(n); // the click must not leave the button pressed
        m_context.ports.messages.Error(FromUtf8(kPoolFullText));
        return;
    } else {
        m_pool.Add(n);
        ++m_poolCount;
    }
    StyleNumber(n);
    ShowPoolCount();
}

void TFAnalyse::ClearPool() {
    m_pool.Clear();
    m_poolCount = 0;
    for (int n = 1; n <= kNumbersInGame; ++n) {
        StyleNumber(n);
    }
    ShowPoolCount();
}

std::vector<NumberSet> TFAnalyse::PeriodSetsOf(const Period& period) const {
    // The window's own copy: the period sets of the program belong to the window that evaluates.
    return CountableDrawSets(m_context.state.DrawList, period.first, period.Last());
}

void TFAnalyse::Search() {
    const auto period = ResolvePeriod(m_periodStart, m_periodEnd, static_cast<int>(m_context.state.DrawList.size()));
    if (!period) {
        m_context.ports.messages.Error(FromUtf8(PeriodErrorText));
        return;
    }
    const int draws = period->extra + 1;
    m_searchProgress->setRange(0, std::max(draws - 1, 1));
    m_searchProgress->setValue(0);
    const QLocale locale = AppLocale();
    const SearchMode mode = m_wholePool->isChecked() ? SearchMode::WholePool : SearchMode::Combinations;
    const int k = m_searchSize->currentIndex() + 2;
    SearchResult result;
    if (mode == SearchMode::WholePool) {
        if (m_poolCount < 2) {
            m_context.ports.messages.Error(FromUtf8(kWholePoolTooSmallText));
            return;
        }
        m_searchInfo->setText(SearchInfoText(mode, false, m_poolCount, 0, locale));
        result = SearchWholePool(m_pool, PeriodSetsOf(*period));
    } else {
        m_resultModel->EmptyCells();
        if (const char* refusal = CombinationListRefusal(m_poolCount, k)) {
            m_context.ports.messages.Error(FromUtf8(refusal));
            return;
        }
        m_searchInfo->setText(SearchInfoText(mode, false, m_poolCount, k, locale));
        result = SearchCombinations(m_pool, k, PeriodSetsOf(*period));
    }
    m_searchProgress->setValue(draws - 1);
    ShowSearchResult(result, *period);
    m_hitCount->setText(QString::fromStdString(HitCountText(mode, result.rows.size())));
    m_searchInfo->setText(SearchInfoText(mode, true, m_poolCount, k, locale));
    // Records that hold no draw of the game are searched as empty draws: never found, and said so.
    const int invalid = CountInvalidDraws(m_context.state.DrawList, period->first, period->Last());
    QString title = QString::fromStdString(SearchPeriodText(static_cast<std::size_t>(draws - invalid)));
    if (invalid > 0) {
        title += QLatin1Char(' ') + QString::fromStdString(InvalidDrawsNote(invalid));
    }
    m_resultTitle->setText(title);
    m_gridMode = mode;
}

void TFAnalyse::ShowSearchResult(const SearchResult& result, const Period& period) {
    const QLocale locale = AppLocale();
    std::vector<SearchGridRow> rows;
    rows.reserve(result.rows.size());
    for (const SearchRow& hit : result.rows) {
        const TGewZahlen& draw =
            m_context.state.DrawList.at(static_cast<std::size_t>(period.first) + static_cast<std::size_t>(hit.offset));
        SearchGridRow row;
        if (hit.showDate) {
            row.date = FormatDate(draw.datum, locale);
        }
        std::copy_n(draw.GZ.begin(), row.numbers.size(), row.numbers.begin());
        row.match = hit.match;
        rows.push_back(std::move(row));
    }
    m_resultModel->SetRows(std::move(rows));
}

bool TFAnalyse::RunInProgress() const {
    return m_runTask->Running();
}

void TFAnalyse::StartOrCancelRun() {
    if (m_runTask->Running()) {
        m_runTask->Cancel();
        SetStatus(QStringLiteral("abgebrochen..."), kCancelledColour);
        return;
    }
    const auto& drawList = m_context.state.DrawList;
    if (drawList.empty()) {
        return;
    }
    // The run has no size of its own to fall back on: it refuses like the search does.
    if (m_runSize->currentIndex() < 0) {
        m_context.ports.messages.Error(FromUtf8(kNoSizeChosenText));
        return;
    }
    const int count = static_cast<int>(drawList.size());
    const auto period =
        m_runWhole->isChecked() ? ResolvePeriod(0, count - 1, count) : ResolvePeriod(m_periodStart, m_periodEnd, count);
    if (!period) {
        m_context.ports.messages.Error(FromUtf8(PeriodErrorText));
        return;
    }
    // Records that hold no draw of the game count nothing (CountableDrawSets) and are said so.
    const int invalid = CountInvalidDraws(drawList, period->first, period->Last());
    const std::uint64_t b = static_cast<std::uint64_t>(period->extra) + 1 - static_cast<std::uint64_t>(invalid);
    if (!m_topsModel->index(0, 1).data().toString().isEmpty()) {
        ResetListGrids();
    }
    SetStartButton(true);
    SetStatus(QStringLiteral("prüfe..."), kCheckingColour);
    m_runStartTicks = m_context.ports.clock.TickCount();

    const int k = m_runSize->currentIndex() + 2;
    const QLocale locale = AppLocale();
    m_expectation->setText(ExpectationText(k, b, locale));
    if (invalid > 0) {
        m_expectation->setText(m_expectation->text() + QLatin1Char(' ') +
                               QString::fromStdString(InvalidDrawsNote(invalid)));
    }
    m_checks->setText(CheckCountText(k, b, locale));
    m_runProgress->setRange(0, static_cast<int>(CombinationsOf70(k)));
    m_runProgress->setValue(0);
    m_runTask->Start(k, PeriodSetsOf(*period));
}

void TFAnalyse::ShowRunProgress(quint64 done) {
    if (!m_runTask->Running()) {
        return; // a report queued before the run ended: the bar shows the end already
    }
    m_runProgress->setValue(static_cast<int>(std::min<quint64>(done, static_cast<quint64>(m_runProgress->maximum()))));
}

void TFAnalyse::RunEnded() {
    const ComboRunResult& result = m_runTask->Result();
    if (!m_runTask->Error().isEmpty()) {
        m_context.ports.messages.Error(m_runTask->Error());
    }
    if (result.cancelled) {
        m_runProgress->setValue(0);
        SetStartButton(false);
        return;
    }
    m_runProgress->setValue(m_runProgress->maximum());
    const auto elapsed = static_cast<std::uint32_t>(m_context.ports.clock.TickCount() - m_runStartTicks);
    m_duration->setText(DurationText(elapsed));
    FillListGrid(*m_topsModel, result.tops);
    FillListGrid(*m_flopsModel, result.flops);
    SetStatus(QStringLiteral("fertig..."), kFinishedColour);
    SetStartButton(false);
}

void TFAnalyse::ResetListGrids() {
    for (QStandardItemModel* model : {m_topsModel, m_flopsModel}) {
        model->setRowCount(kResetRows);
        for (int row = 0; row < kResetRows; ++row) {
            for (int column = 1; column < kListColumns; ++column) {
                model->setItem(row, column, new QStandardItem);
            }
        }
    }
}

void TFAnalyse::FillListGrid(QStandardItemModel& model, const std::vector<ComboEntry>& list) {
    const auto cell = [](const QString& text, bool plain) {
        auto* item = new QStandardItem(text);
        item->setTextAlignment(plain ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        return item;
    };
    if (model.rowCount() < static_cast<int>(list.size())) {
        model.setRowCount(static_cast<int>(list.size()));
    }
    for (std::size_t j = 0; j < list.size(); ++j) {
        if (list[j].set.Empty()) {
            continue; // a free entry leaves its row as it is
        }
        const int row = static_cast<int>(j);
        model.setItem(row, 0, cell(QString::number(j + 1), true));
        model.setItem(row, 1, cell(QString::fromStdString(JoinedNumbers(list[j].set)), false));
        model.setItem(row, 2, cell(QString::number(list[j].count), false));
    }
    model.setRowCount(kListCapacity);
}

void TFAnalyse::SetStatus(const QString& text, const QColor& colour) {
    m_status->setText(text);
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    m_status->setPalette(palette);
}

void TFAnalyse::SetStartButton(bool running) {
    m_start->setText(running ? QStringLiteral("Abbruch") : QStringLiteral("Start"));
    m_start->setIcon(PictureIcon(running ? Picture::Stop : Picture::Start));
}

} // namespace qv
