#include "ui/tips/TFTippcenter.h"

#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/core/ProgramState.h"
#include "text/AppLocale.h"
#include "text/DateText.h"
#include "text/DrawListText.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/tips/GameChoiceLists.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/DateList.h"
#include "ui/widgets/GridExport.h"
#include "ui/widgets/GridRoutines.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

namespace {

const QString kHelpText = QStringLiteral(
    "Der Quovadra kann Ihnen Tipps für Ihren KENO-Schein geben. Sie bestimmen auf welcher Grundlage, d. h. wie "
    "viele Ausspielungen ausgewertet werden und ob Restanten, Favoriten, ein Mischung von beidem oder der Zufall "
    "die Basiszahlen liefern.");

constexpr QRgb kSuggestionBackground = 0xEAFFEF;

QStringList ItemTexts(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.itemText(i);
    }
    return texts;
}

void Paint(QLabel* panel, QRgb background, QRgb text) {
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(background));
    colours.setColor(QPalette::WindowText, QColor::fromRgb(text));
    panel->setPalette(colours);
}

// A small framed panel with its text centred.
QLabel* MakePanel(QWidget* parent, const QString& name, QSize size) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(size);
    return panel;
}

// Hidden controls keep their place, so the rows of the suggestions stay in their columns.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

TFTippcenter::TFTippcenter(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::TippCenter));
    CreateToolBar();
    CreateMenu();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    auto* label1 = new QLabel(kHelpText, client);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);

    auto* left = new QVBoxLayout;
    left->addWidget(CreateGameChoices());
    left->addWidget(CreatePeriodChoice());
    left->addWidget(CreateHistory(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(CreateFrequencyPanel());
    right->addWidget(CreateSuggestions());
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 0);
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(label1);
    layout->addLayout(columns, 1);
    // Taller than a laptop screen: the contents scroll there, the window's bottom stays in reach.
    setCentralWidget(InScrollArea(client, this));

    ReloadDrawDates();

    if (m_context.state.SettingsLoaded) {
        ApplyPresets(m_context.state.Settings.presets);
    }
    m_context.commands.InstallHelpKey(this);
    const int bars = menuBar()->sizeHint().height() + m_toolBar->sizeHint().height();
    resize(client->sizeHint().expandedTo(QSize(1000, 860 - bars)) + QSize(0, bars));
}

void TFTippcenter::CreateToolBar() {
    m_toolBar = SharedCommands::AddToolBar(this);
    m_context.commands.AddToolButtons(m_toolBar, this,
                                      {{Command::Eingabe, Command::Eingabe2},
                                       {Command::Statistik, Command::Analyse},
                                       {Command::Druck, Command::Kalender, Command::NueberK, Command::Taschenrechner,
                                        Command::Update, Command::OnlineSpielen, Command::Optionen},
                                       {Command::HilfeBenutzen, Command::Beenden}});
}

void TFTippcenter::CreateMenu() {
    const SharedCommands::StandardMenus menus =
        m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::OtherWindow);
    auto* zufall = new QAction(QStringLiteral("Zufallsgenerator"), this);
    zufall->setObjectName(QStringLiteral("MZufallsgenerator"));
    menus.tippreihen->insertAction(menus.tippreihen->actions().value(1), zufall);
    // These items lead to this window or have nothing to do here.
    zufall->setEnabled(false);
    for (const char* name : {"MEingabe", "MTippcenter", "MGewinnauswertung", "MUpdate", "MGewinnzahlen", "MInfo"}) {
        if (auto* item = menuBar()->findChild<QAction*>(QString::fromUtf8(name))) {
            item->setEnabled(false);
        }
    }
}

QWidget* TFTippcenter::CreateGameChoices() {
    auto* box = new QGroupBox(QStringLiteral("KENO-Typen"));
    box->setObjectName(QStringLiteral("GR1"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    for (int g = 1; g <= kGames; ++g) {
        Game& game = GameAt(g);
        auto* typeLabel = new QLabel(QStringLiteral("Spiel %1").arg(g), box);
        game.kenoType = MakeKenoTypeList(box, g);
        typeLabel->setBuddy(game.kenoType);
        auto* methodLabel = new QLabel(QStringLiteral("Bilde die Tippreihen..."), box);
        game.method = MakeMethodList(box, g);
        methodLabel->setBuddy(game.method);
        game.method->setAccessibleName(QStringLiteral("Spiel %1: Bilde die Tippreihen...").arg(g));
        game.lock = new QToolButton(box);
        game.lock->setObjectName(QStringLiteral("SpBut%1").arg(g));
        game.lock->setFixedSize(36, 36);
        game.lock->setIconSize(QSize(28, 28));
        game.lock->setCheckable(true);
        const QString hint = QStringLiteral("Tippreihe von Spiel %1 festhalten").arg(g);
        game.lock->setToolTip(hint);
        game.lock->setAccessibleName(hint);
        SetLocked(g, false);

        const int row = g - 1;
        grid->addWidget(typeLabel, row, 0);
        grid->addWidget(game.kenoType, row, 1);
        grid->addWidget(methodLabel, row, 2);
        grid->addWidget(game.method, row, 3);
        grid->addWidget(game.lock, row, 4);

        connect(game.kenoType, &QComboBox::currentIndexChanged, this, [this, g] { KenoTypeChanged(g); });
        connect(game.lock, &QToolButton::clicked, this, [this, g] { ToggleLock(g); });
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TFTippcenter::CreatePeriodChoice() {
    auto* area = new QWidget;
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox(QStringLiteral("Auswertungszeitraum für"), area);
    box->setObjectName(QStringLiteral("Gr2"));
    auto* grid = new QGridLayout(box);
    auto* what = new QLabel(QStringLiteral("Restanten und Favoriten"), box);
    auto* von = new QLabel(QStringLiteral("von:"), box);
    auto* bis = new QLabel(QStringLiteral("bis:"), box);
    m_periodFrom = NewDateList(box, QStringLiteral("Combo1"));
    m_periodTo = NewDateList(box, QStringLiteral("Combo2"));
    von->setBuddy(m_periodFrom);
    bis->setBuddy(m_periodTo);
    m_periodFrom->setAccessibleName(QStringLiteral("Restanten und Favoriten von"));
    m_periodTo->setAccessibleName(QStringLiteral("Restanten und Favoriten bis"));
    grid->addWidget(what, 0, 0, 1, 4);
    grid->addWidget(von, 1, 0);
    grid->addWidget(m_periodFrom, 1, 1);
    grid->addWidget(bis, 1, 2);
    grid->addWidget(m_periodTo, 1, 3);
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        connect(list, &QComboBox::currentIndexChanged, this, &TFTippcenter::PeriodChanged);
        connect(list, &QComboBox::editTextChanged, this, &TFTippcenter::PeriodChanged);
    }

    m_start = TwoLineButton(QStringLiteral("BStart"), QStringLiteral("Tipps\ngenerieren"), area);
    m_start->setIcon(LockIcon(false));
    m_start->setIconSize(QSize(28, 28));
    connect(m_start, &QPushButton::clicked, this, &TFTippcenter::GenerateTips);
    row->addWidget(box, 1);
    row->addWidget(m_start, 0, Qt::AlignBottom);
    return area;
}

QWidget* TFTippcenter::CreateFrequencyPanel() {
    auto* box = new QGroupBox(QStringLiteral("Häufigkeit der Zahlen 1 bis 70"));
    box->setObjectName(QStringLiteral("Gr3"));
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    for (int n = 1; n <= kNumbersInGame; ++n) {
        const int row = (n - 1) / 10;
        const int column = (n - 1) % 10;
        auto* number = new QLabel(QString::number(n), box);
        number->setAlignment(Qt::AlignCenter);
        QFont small = number->font();
        small.setPointSize(7);
        number->setFont(small);
        QLabel* count = MakePanel(box, QStringLiteral("PStat%1").arg(n), QSize(40, 20));
        count->setAccessibleName(QStringLiteral("Zahl %1").arg(n));
        m_counts[static_cast<std::size_t>(n - 1)] = count;
        grid->addWidget(number, 2 * row, column);
        grid->addWidget(count, 2 * row + 1, column);
        grid->setRowMinimumHeight(2 * row + 1, 24);
    }
    layout->addLayout(grid);

    auto* streu = new QLabel(QStringLiteral("Streuintervalle nach Standardabweichung"), box);
    streu->setObjectName(QStringLiteral("LStreu"));
    layout->addWidget(streu);
    auto* legend = new QHBoxLayout;
    legend->setSpacing(2);
    for (int i = 1; i <= 7; ++i) {
        QLabel* panel = MakePanel(box, QStringLiteral("PAbw%1").arg(i), QSize(62, 20));
        QFont small = panel->font();
        small.setPointSize(7);
        panel->setFont(small);
        // Long periods give wide ranges ("1835 - 1878"): the panel grows with its text.
        panel->setMinimumWidth(std::max(62, TextWidthIn(small, QStringLiteral("00000 - 00000")) + 8));
        panel->setMaximumWidth(QWIDGETSIZE_MAX);
        const ClassColours colours = FrequencyClassColours(7 - i);
        Paint(panel, colours.background, colours.text);
        m_legend[static_cast<std::size_t>(i - 1)] = panel;
        legend->addWidget(panel);
    }
    legend->addStretch(1);
    layout->addLayout(legend);
    return box;
}

QWidget* TFTippcenter::CreateSuggestions() {
    auto* box = new QGroupBox(QStringLiteral("Tipp-Vorschläge"));
    box->setObjectName(QStringLiteral("Gr4"));
    box->setAutoFillBackground(true);
    QPalette background = box->palette();
    background.setColor(QPalette::Window, QColor::fromRgb(kSuggestionBackground));
    box->setPalette(background);
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    auto* forSlip = new QLabel(QStringLiteral("für Schein"), box);
    forSlip->setObjectName(QStringLiteral("LFuerSchein"));
    grid->addWidget(forSlip, 0, 11, Qt::AlignCenter);
    for (int g = 1; g <= kGames; ++g) {
        Game& game = GameAt(g);
        game.label = new QLabel(QStringLiteral("Spiel %1:").arg(g), box);
        game.label->setObjectName(QStringLiteral("SpielLabel%1").arg(g));
        // The row is one stop of the Tab key, where a screen reader reads the game's numbers.
        game.label->setFocusPolicy(Qt::TabFocus);
        game.label->setStyleSheet(
            QStringLiteral("QLabel { border: 1px solid transparent; } QLabel:focus { border: 1px dotted black; }"));
        grid->addWidget(game.label, g, 0);
        for (int k = 1; k <= 10; ++k) {
            QLabel* place = MakePanel(box, QStringLiteral("Platz%1").arg(g * 100 + k), QSize(26, 22));
            Paint(place, 0xFFFFFF, 0x000000);
            game.places[static_cast<std::size_t>(k - 1)] = place;
            grid->addWidget(place, g, k);
        }
        game.transfer = new QCheckBox(box);
        game.transfer->setObjectName(QStringLiteral("CBokay%1").arg(g));
        game.transfer->setAccessibleName(QStringLiteral("Spiel %1 für Schein").arg(g));
        grid->addWidget(game.transfer, g, 11, Qt::AlignCenter);
        AnnounceRow(g);
        for (QWidget* widget : {static_cast<QWidget*>(game.label), static_cast<QWidget*>(game.transfer)}) {
            KeepPlaceWhenHidden(widget);
            widget->hide();
        }
        for (QLabel* place : game.places) {
            KeepPlaceWhenHidden(place);
            place->hide();
        }
    }
    layout->addLayout(grid);
    m_toSlip = TwoLineButton(QStringLiteral("BSchein"), QStringLiteral("In Spielschein\nübertragen"), box);
    layout->addWidget(m_toSlip, 0, Qt::AlignRight);
    connect(m_toSlip, &QPushButton::clicked, this, &TFTippcenter::TransferToSlip);
    return box;
}

QWidget* TFTippcenter::CreateHistory() {
    m_historyBox = new QGroupBox;
    m_historyBox->setObjectName(QStringLiteral("Gr5"));
    auto* layout = new QVBoxLayout(m_historyBox);
    m_history = new StringGrid(m_historyBox, 1);
    m_history->setObjectName(QStringLiteral("G1"));
    QFont compact = m_history->font();
    compact.setPointSize(8);
    m_history->setFont(compact);
    m_history->setTextElideMode(Qt::ElideNone);
    m_history->setWordWrap(false);
    m_history->setTabKeyNavigation(false);
    m_history->setSelectionMode(QAbstractItemView::SingleSelection);
    m_history->setAccessibleName(QStringLiteral("Ausspielungen"));
    InstallGridExport(*m_history, m_context.ports, QStringLiteral("Ausspielungen.csv"));
    m_history->setMinimumHeight(160);
    layout->addWidget(m_history);
    return m_historyBox;
}

void TFTippcenter::FillHistory() {
    const std::vector<TGewZahlen>& draws = m_context.state.DrawList;
    const QLocale locale = AppLocale();
    StringGrid& grid = *m_history;
    grid.setUpdatesEnabled(false);
    grid.setColumnCount(21);
    grid.setRowCount(static_cast<int>(draws.size()) + 1);
    // The columns are as wide as the grid's font needs, at least as wide as the program always drew them.
    grid.SetColumnWidth(0, std::max(66, TextWidthIn(grid.font(), QStringLiteral("00.00.0000")) + 10));
    const int numberWidth = std::max(24, TextWidthIn(grid.font(), QStringLiteral("70")) + 12);
    for (int column = 1; column <= 20; ++column) {
        grid.SetColumnWidth(column, numberWidth);
    }
    // The whole row fits without scrolling sideways.
    grid.setMinimumWidth(grid.ColumnWidth(0) + 20 * numberWidth + 2 * grid.frameWidth() +
                         grid.verticalScrollBar()->sizeHint().width() + 2);
    grid.SetCell(0, 0, CenterPad80(QStringLiteral("Datum"), grid.ColumnWidth(0), grid));
    for (int column = 1; column <= 20; ++column) {
        grid.SetCell(column, 0, CenterPad80(QString::number(column), grid.ColumnWidth(column), grid));
    }
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.SetCell(0, row, FormatDate(draws[i].datum, locale));
        if (!IsValidDraw(draws[i])) {
            grid.item(row, 0)->setToolTip(QString::fromUtf8(kInvalidDrawText));
        }
        for (int p = 0; p < kNumbersPerDraw; ++p) {
            auto* cell = new QTableWidgetItem(QString::number(draws[i].GZ[static_cast<std::size_t>(p)]));
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid.setItem(row, p + 1, cell);
        }
    }
    grid.setUpdatesEnabled(true);
    if (draws.empty()) {
        m_historyBox->setTitle(QStringLiteral("0 Ausspielungen"));
    } else {
        QString title = QStringLiteral("%1 Ausspielungen von %2 bis %3")
                            .arg(draws.size())
                            .arg(grid.Cell(0, 1), grid.Cell(0, static_cast<int>(draws.size())));
        const int invalid = CountInvalidDraws(draws, 0, static_cast<int>(draws.size()) - 1);
        if (invalid > 0) {
            title +=
                QStringLiteral(", davon %1 %2")
                    .arg(invalid)
                    .arg(invalid == 1 ? QString::fromUtf8(kInvalidDrawText) : QStringLiteral("ungültige Ziehungen"));
        }
        m_historyBox->setTitle(title);
    }
}

void TFTippcenter::PeriodChanged() {
    m_fromPos = FindDateEntry(ItemTexts(*m_periodFrom), m_periodFrom->currentText());
    m_toPos = FindDateEntry(ItemTexts(*m_periodTo), m_periodTo->currentText());
}

void TFTippcenter::ReloadDrawDates() {
    FillHistory();
    const QStringList dates = DrawDateTexts(m_context.state.DrawList, 0, AppLocale());
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        const QSignalBlocker quiet(list);
        SetDateEntries(list, dates);
        list->setEditText(QString::fromUtf8(kChooseText));
    }
    m_periodFrom->setCurrentIndex(dates.isEmpty() ? -1 : 0);
    m_periodTo->setCurrentIndex(static_cast<int>(dates.size()) - 1);
    PeriodChanged();

    // The panel shows the whole history until the next run; the rankings wait for it.
    m_periodCounts = CountPeriodNumbers(m_context.state.DrawList, m_fromPos, m_toPos);
    ShowFrequencyBands(m_fromPos, m_toPos);
}

void TFTippcenter::AppendDrawDate(const QString& dateText) {
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        list->addItem(dateText);
        list->setCurrentIndex(list->count() - 1);
    }
    PeriodChanged();
}

int TFTippcenter::ChosenKenoType(int game) const {
    const int entry = GameAt(game).kenoType->currentIndex();
    return entry >= 1 ? entry + 1 : 0;
}

void TFTippcenter::KenoTypeChanged(int game) {
    Game& chosen = GameAt(game);
    const int type = ChosenKenoType(game);
    for (int k = 1; k <= 10; ++k) {
        chosen.places[static_cast<std::size_t>(k - 1)]->setVisible(k <= type);
    }
    chosen.label->setVisible(type > 0);
    chosen.transfer->setVisible(type > 0);
    AnnounceRow(game);
}

QList<int> TFTippcenter::ShownRow(int game) const {
    QList<int> shown;
    const std::array<int, 10>& places = SuggestionRow(game);
    for (int k = 0; k < ChosenKenoType(game); ++k) {
        if (places[static_cast<std::size_t>(k)] > 0) {
            shown.append(places[static_cast<std::size_t>(k)]);
        }
    }
    return shown;
}

void TFTippcenter::AnnounceRow(int game) {
    QStringList numbers;
    for (int number : ShownRow(game)) {
        numbers.append(QString::number(number));
    }
    const QString row = numbers.isEmpty() ? QStringLiteral("noch keine Tippreihe") : numbers.join(QStringLiteral(", "));
    Game& chosen = GameAt(game);
    chosen.label->setAccessibleName(QStringLiteral("Spiel %1: %2").arg(game).arg(row));
    chosen.transfer->setAccessibleName(numbers.isEmpty()
                                           ? QStringLiteral("Spiel %1 für Schein").arg(game)
                                           : QStringLiteral("Spiel %1 für Schein: %2").arg(game).arg(row));
}

bool TFTippcenter::IsLocked(int game) const {
    return GameAt(game).lock->property("tag").toInt() > 10;
}

void TFTippcenter::SetLocked(int game, bool locked) {
    QToolButton* lock = GameAt(game).lock;
    lock->setProperty("tag", locked ? kLockedTag : kUnlockedTag);
    lock->setIcon(LockIcon(locked));
    lock->setChecked(locked);
}

void TFTippcenter::ToggleLock(int game) {
    SetLocked(game, !IsLocked(game));
}

void TFTippcenter::ShowFrequencyBands(int first, int last) {
    const int drawCount = last - first + 1 - CountInvalidDraws(m_context.state.DrawList, first, last);
    if (first < 0 || drawCount <= 0) {
        // No draws yet: nothing to count, nothing to colour.
        for (int n = 1; n <= kNumbersInGame; ++n) {
            QLabel* panel = m_counts[static_cast<std::size_t>(n - 1)];
            panel->clear();
            panel->setAccessibleName(QStringLiteral("Zahl %1").arg(n));
            Paint(panel, 0xFFFFFF, 0x000000);
        }
        for (QLabel* panel : m_legend) {
            panel->clear();
        }
        return;
    }
    m_bandBounds = FrequencyBandBounds(drawCount);
    for (int n = 1; n <= kNumbersInGame; ++n) {
        const int count = m_periodCounts[static_cast<std::size_t>(n)];
        const ClassColours colours = FrequencyClassColours(FrequencyClass(count, m_bandBounds));
        QLabel* panel = m_counts[static_cast<std::size_t>(n - 1)];
        Paint(panel, colours.background, colours.text);
        panel->setText(QString::number(count));
        panel->setAccessibleName(QStringLiteral("Zahl %1: %2").arg(n).arg(count));
    }
    const std::array<std::string, 7> legend = FrequencyLegend(m_bandBounds);
    for (int i = 1; i <= 7; ++i) {
        m_legend[static_cast<std::size_t>(i - 1)]->setText(
            QString::fromStdString(legend[static_cast<std::size_t>(7 - i)]));
    }
}

void TFTippcenter::GenerateTips() {
    const ProgramState& state = m_context.state;
    const std::optional<Period> period = ResolvePeriod(m_fromPos, m_toPos, static_cast<int>(state.DrawList.size()));
    if (!period) {
        m_context.ports.messages.Error(QString::fromUtf8(PeriodErrorText));
        return;
    }
    m_periodCounts = CountPeriodNumbers(state.DrawList, period->first, period->Last());
    ShowFrequencyBands(period->first, period->Last());
    const NumberRankings rankings = RankNumbers(m_periodCounts);
    for (int g = 1; g <= kGames; ++g) {
        GenerateGame(g, rankings);
    }
    if (const int invalid = CountInvalidDraws(state.DrawList, period->first, period->Last())) {
        m_context.ports.messages.Information(QString::fromStdString(InvalidDrawsNote(invalid)));
    }
}

void TFTippcenter::GenerateGame(int game, const NumberRankings& rankings) {
    Game& chosen = GameAt(game);
    const int entry = chosen.kenoType->currentIndex();
    const int method = chosen.method->currentIndex();
    if (entry >= 1 && method < 0) {
        m_context.ports.messages.Error(
            QStringLiteral("Bitte wählen Sie für Spiel %1 die Art und Weise der Tippbildung.\r\rIch breche erst "
                           "einmal ab.")
                .arg(game));
        return;
    }
    if (entry < 1 || IsLocked(game)) {
        return;
    }
    RandomSource& random = m_context.ports.random;
    random.Randomize();
    const std::vector<int> row =
        GenerateRow(entry + 1, TipMethod(method), rankings, [&random](int n) { return random.Below(n); });
    std::array<int, 10>& places = m_suggestionRows.at(static_cast<std::size_t>(game - 1));
    places.fill(0);
    std::copy(row.begin(), row.end(), places.begin());
    for (int k = 0; k < 10; ++k) {
        const int value = places[static_cast<std::size_t>(k)];
        chosen.places[static_cast<std::size_t>(k)]->setText(value > 0 ? QString::number(value) : QString());
    }
    SetLocked(game, true);
    chosen.transfer->setChecked(true);
    AnnounceRow(game);
}

void TFTippcenter::TransferToSlip() {
    std::vector<TipRow> rows;
    for (int g = 1; g <= kGames; ++g) {
        // What the player sees (and hears) is what is entered: the places of the game's Keno type.
        const QList<int> shown = ShownRow(g);
        if (shown.isEmpty() || !GameAt(g).transfer->isChecked()) {
            continue;
        }
        rows.push_back(TipRow{std::vector<int>(shown.begin(), shown.end())});
    }
    if (rows.empty()) {
        m_context.ports.messages.Error(QStringLiteral(
            "Bitte generieren Sie zunächst Tippreihen über die obige Auswahl.\r\rIch breche erst einmal ab."));
        return;
    }
    emit TransferRequested(rows);
}

void TFTippcenter::ApplyPresets(const GeneratorPresets& presets) {
    for (int g = 1; g <= GeneratorPresets::kGames; ++g) {
        const int type = presets.kenoTypes[static_cast<std::size_t>(g - 1)];
        const int method = presets.methods[static_cast<std::size_t>(g - 1)];
        if (type < 10) {
            GameAt(g).kenoType->setCurrentIndex(type);
            KenoTypeChanged(g);
        }
        if (method < kTipMethodCount) {
            GameAt(g).method->setCurrentIndex(method);
        }
    }
}

} // namespace qv
