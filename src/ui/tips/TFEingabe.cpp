#include "ui/tips/TFEingabe.h"

#include "engine/core/SlipFile.h"
#include "engine/tips/EntrySlip.h"
#include "text/DataFolder.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/CommandIcons.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/tips/EntryField.h"
#include "ui/tips/TFrameSchein.h"
#include "ui/widgets/Controls.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qv {

namespace {

constexpr int kFieldGap = 5;
constexpr int kMargin = 10;
// Width of a slip page: four fields side by side between the margins.
constexpr int kPageWidth = 4 * EntryField::kWidth + 3 * kFieldGap + 2 * kMargin;

QLabel* BoldLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TFEingabe::TFEingabe(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::SpielscheinEingabe));
    CreateToolBar();
    CreateMenu();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 4, 0, 4);
    QWidget* top = CreateTopPanel();
    layout->addWidget(top);

    m_tabs = new QTabWidget(client);
    m_tabs->setObjectName(QStringLiteral("PC1"));
    m_tabs->setAccessibleName(QStringLiteral("Spielscheine"));
    m_tabs->setTabsClosable(true);
    m_tabs->setUsesScrollButtons(true);
    layout->addWidget(m_tabs, 1);
    connect(m_tabs, &QTabWidget::tabCloseRequested, this, [this](int index) {
        if (QWidget* page = m_tabs->widget(index)) {
            CloseEntrySlip(page->property("tag").toInt());
        }
    });

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(kMargin, 0, kMargin, 0);
    m_close = CloseButton(this);
    bottom->addLayout(CloseRow(m_close));
    layout->addLayout(bottom);

    setCentralWidget(client);
    m_context.commands.InstallHelpKey(this);
    setTabOrder(m_new, m_openInto);
    setTabOrder(m_openInto, m_tabs);
    setTabOrder(m_tabs, m_close);

    // One row of four fields and the two rows of a slip with its frame fit; smaller screens scroll.
    const int pageHeight = 2 * EntryField::kHeight + 3 * kFieldGap + TFrameSchein::kHeight + kMargin;
    resize(kClientWidth, menuBar()->sizeHint().height() + m_toolBar->sizeHint().height() + top->sizeHint().height() +
                             pageHeight + 80);
    if (const QScreen* display = screen()) {
        const QSize room = display->availableGeometry().size() - QSize(0, 40);
        resize(std::min(width(), room.width()), std::min(height(), room.height()));
    }

    // The keyboard's way to the close button of a slip tab.
    auto* closeTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    closeTab->setObjectName(QStringLiteral("CloseTabKey"));
    connect(closeTab, &QShortcut::activated, this, [this] {
        if (QWidget* page = m_tabs->currentWidget()) {
            CloseEntrySlip(page->property("tag").toInt());
        }
    });
}

TFEingabe::~TFEingabe() = default;

void TFEingabe::CreateToolBar() {
    m_toolBar = SharedCommands::AddToolBar(this);
    SharedCommands& commands = m_context.commands;
    commands.AddToolButtons(
        m_toolBar, this,
        {{Command::Oeffnen, Command::Eingabe2, Command::Tippcenter},
         {Command::Statistik, Command::Analyse, Command::Druck},
         {Command::Kalender, Command::NueberK, Command::Taschenrechner, Command::Update, Command::Optionen},
         {Command::HilfeBenutzen, Command::Beenden}},
        {{Command::Oeffnen, [this] { OpenSlipIntoEntry(); }}});
}

void TFEingabe::CreateMenu() {
    m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::OtherWindow,
                                        [this] { OpenSlipIntoEntry(); });
    // Here "&Neuer Spielschein" begins a slip, and "&Eingabe" would only open this window again.
    if (auto* neu = findChild<QAction*>(QStringLiteral("MNeuerSpielschein"))) {
        disconnect(neu, &QAction::triggered, nullptr, nullptr);
        neu->setEnabled(true);
        connect(neu, &QAction::triggered, this, [this] { NewEntrySlip(); });
    }
    if (auto* eingabe = findChild<QAction*>(QStringLiteral("MEingabe"))) {
        eingabe->setEnabled(false);
    }
    if (auto* analyse = findChild<QAction*>(QStringLiteral("MAnalyse"))) {
        analyse->setText(QStringLiteral("Gewinnreihen-&Analyse"));
    }
}

QWidget* TFEingabe::CreateTopPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PTop"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(kMargin, 0, kMargin, 0);
    auto* label1 = BoldLabel(QStringLiteral("Label1"),
                             QStringLiteral("Um einen neuen Schein einzugeben, klicken Sie bitte rechts."), panel);
    m_new = TwoLineButton(QStringLiteral("BNeu"), QStringLiteral("Neuer\nSchein"), panel);
    m_openInto = TwoLineButton(QStringLiteral("BOpen2"), QStringLiteral("Schein\neinlesen"), panel);
    for (QPushButton* button : {m_new, m_openInto}) {
        button->setMinimumWidth(90);
    }
    auto* label2 =
        BoldLabel(QStringLiteral("Label2"),
                  QStringLiteral("Um einen existierenden Schein einzulesen, klicken Sie bitte links."), panel);
    label1->setBuddy(m_new);
    label2->setBuddy(m_openInto);
    layout->addWidget(label1, 1);
    layout->addWidget(m_new);
    layout->addWidget(m_openInto);
    layout->addWidget(label2, 1);
    connect(m_new, &QPushButton::clicked, this, [this] { NewEntrySlip(); });
    connect(m_openInto, &QPushButton::clicked, this, [this] { OpenSlipIntoEntry(); });
    return panel;
}

QWidget* TFEingabe::CreateField(int slip, int field, QWidget* parent) {
    auto* box = new EntryField(
        slip, field, [this](int code) { ToggleNumber(code); }, parent);
    for (int number = 1; number <= 70; ++number) {
        EntryNumberCell* cell = box->Cell(number);
        cell->SetColour(kPlainColour);
        m_cells[cell->Code()] = cell;
    }
    return box;
}

int TFEingabe::NewEntrySlip() {
    m_entrySlips.emplace_back();
    const int slip = EntrySlipCount();

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabE%1").arg(slip));
    page->setProperty("tag", slip);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("Scroll%1").arg(slip));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes straight to the fields
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);

    auto* sheet = new QWidget;
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(kMargin, kFieldGap, kMargin, kFieldGap);
    sheetLayout->setSpacing(kFieldGap);
    for (int row = 0; row < 2; ++row) {
        auto* fieldRow = new QHBoxLayout;
        fieldRow->setSpacing(kFieldGap);
        for (int column = 1; column <= 4; ++column) {
            fieldRow->addWidget(CreateField(slip, row * 4 + column, sheet));
        }
        fieldRow->addStretch(1);
        sheetLayout->addLayout(fieldRow);
    }
    auto* frame = new TFrameSchein(sheet);
    frame->setObjectName(QStringLiteral("frE%1").arg(slip));
    frame->setFixedWidth(kPageWidth - 2 * kMargin);
    frame->SaveButton()->setProperty("tag", slip);
    sheetLayout->addWidget(frame);
    sheetLayout->addStretch(1);
    scroll->setWidget(sheet);

    m_entryStakeGroups.push_back(frame->StakeGroup());
    m_entryDrawGroups.push_back(frame->DrawGroup());
    m_entryOpen.push_back(true);
    connect(frame->SaveButton(), &QPushButton::clicked, this,
            [this, slip] { Guarded(m_context.ports.messages, [this, slip] { SaveEntrySlip(slip); }); });

    m_tabs->addTab(page, QStringLiteral("Schein%1").arg(slip));
    m_tabs->setCurrentWidget(page);
    return slip;
}

QLabel* TFEingabe::NumberCell(int code) const {
    const EntryCell cell = EntryCellOf(code);
    if (cell.number < 1 || cell.number > 70) {
        return nullptr;
    }
    const auto found = m_cells.find(code);
    return found == m_cells.end() ? nullptr : found->second;
}

void TFEingabe::SetCellColour(int code, QRgb colour) {
    if (auto* cell = qobject_cast<EntryNumberCell*>(NumberCell(code))) {
        cell->SetColour(colour);
    }
}

bool TFEingabe::EntrySlipOpen(int slip) const {
    return slip >= 1 && slip <= EntrySlipCount() && m_entryOpen[static_cast<std::size_t>(slip - 1)];
}

bool TFEingabe::IsMarked(int slip, int field, int number) const {
    return slip >= 1 && slip <= EntrySlipCount() &&
           IsEntryNumberMarked(m_entrySlips[static_cast<std::size_t>(slip - 1)], field, number);
}

void TFEingabe::ToggleNumber(int code) {
    const EntryCell cell = EntryCellOf(code);
    if (!NumberCell(code)) {
        return;
    }
    TScheinBool& entry = m_entrySlips[static_cast<std::size_t>(cell.slip - 1)];
    switch (ToggleEntryNumber(entry, cell.field, cell.number)) {
    case ToggleResult::Marked:
        SetCellColour(code, kClickedColour);
        break;
    case ToggleResult::Unmarked:
        SetCellColour(code, kPlainColour);
        break;
    case ToggleResult::Ignored:
        break;
    }
}

void TFEingabe::ToggleNumber(int slip, int field, int number) {
    if (field < 1 || field > 8 || number < 1 || number > 70) {
        return;
    }
    ToggleNumber(EntryCellCode(slip, field, number));
}

int TFEingabe::EnterTipRows(const std::vector<std::vector<int>>& rows) {
    std::vector<std::vector<int>> used;
    for (const std::vector<int>& row : rows) {
        if (!row.empty() && used.size() < 8) {
            used.push_back(row);
        }
    }
    if (used.empty()) {
        return 0;
    }
    const int newest = EntrySlipCount();
    const int free = EntrySlipOpen(newest) ? FreeFieldsOfNewest(m_entrySlips) : 0;
    const int slip = free < static_cast<int>(used.size()) ? NewEntrySlip() : newest;
    int field = 0;
    for (const std::vector<int>& row : used) {
        const std::optional<int> next = NextEmptyField(m_entrySlips[static_cast<std::size_t>(slip - 1)], field);
        if (!next) {
            break;
        }
        field = *next;
        for (const int number : row) {
            if (!IsMarked(slip, field, number)) {
                ToggleNumber(slip, field, number);
            }
        }
    }
    return slip;
}

TFrameSchein* TFEingabe::FrameOf(int slip) const {
    return findChild<TFrameSchein*>(QStringLiteral("frE%1").arg(slip));
}

int TFEingabe::TabIndexOf(int slip) const {
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (m_tabs->widget(i)->property("tag").toInt() == slip) {
            return i;
        }
    }
    return -1;
}

void TFEingabe::SaveEntrySlip(int slip) {
    if (!EntrySlipOpen(slip)) {
        return;
    }
    TScheinBool& entry = m_entrySlips[static_cast<std::size_t>(slip - 1)];
    if (!HasCompleteField(entry)) {
        m_context.ports.messages.Error(
            QStringLiteral("Es wurde kein Tippfeld vollständig ausgefüllt.\r\rIch breche erst einmal ab."));
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Datei speichern");
    request.filter = QString::fromUtf8(kSlipFileFilter);
    request.defaultExtension = QString::fromUtf8(kSlipExtension);
    request.startFolder = FromPath(m_context.state.DataFolder);
    const std::optional<QString> path = m_context.ports.fileDialogs.Save(request);
    if (!path) {
        return;
    }
    const TFrameSchein* frame = FrameOf(slip);
    TScheinBool saved = entry;
    const TSchein record = SlipFromEntry(saved, frame->StakeIndex(), frame->DrawCountIndex());
    WriteSlipFile(ToPath(*path), record);
    entry = saved; // typ changes only once the file is written
}

void TFEingabe::OpenSlipIntoEntry() {
    FileDialogRequest request;
    request.title = QStringLiteral("Datei wählen");
    request.filter = QString::fromUtf8(kSlipFileFilter);
    request.defaultExtension = QString::fromUtf8(kSlipExtension);
    request.startFolder = FromPath(m_context.state.DataFolder);
    const std::optional<QString> path = m_context.ports.fileDialogs.OpenOne(request);
    if (!path) {
        return;
    }
    Guarded(m_context.ports.messages, [this, &path] { OpenSlipFileIntoEntry(*path); });
}

void TFEingabe::OpenSlipFileIntoEntry(const QString& path) {
    const std::filesystem::path file = ToPath(path);
    // A file that holds no slip is refused before anything changes; one that vanished since it was
    // chosen gives the empty slip, as an empty file does. An old slip file is converted on disk here.
    TSchein slip = LoadSlip(file).value_or(TSchein{});
    if (IsOldSlipFile(file)) {
        slip = ConvertOldSlipFile(file, m_context.state.DataFolder);
    }

    const int k = NewEntrySlip();
    m_tabs->setTabText(TabIndexOf(k), QString::fromStdString(file.filename().string()));
    TScheinBool& entry = m_entrySlips[static_cast<std::size_t>(k - 1)];
    entry = EntryFromSlip(slip);
    TFrameSchein* frame = FrameOf(k);
    frame->SelectStake(slip.einsatz);
    frame->SelectDrawCount(slip.Ziehungen);
    for (int field = 1; field <= 8; ++field) {
        for (int number = 1; number <= 70; ++number) {
            if (entry.Z[static_cast<std::size_t>(field - 1)][static_cast<std::size_t>(number - 1)]) {
                SetCellColour(EntryCellCode(k, field, number), kOpenedColour);
            }
        }
    }
    frame->SaveButton()->setText(QStringLiteral("Schein\nspeichern..."));
    frame->SaveButton()->setAccessibleName(QStringLiteral("Schein speichern..."));
}

void TFEingabe::CloseEntrySlip(int slip) {
    const int index = TabIndexOf(slip);
    if (index < 0) {
        return;
    }
    QWidget* page = m_tabs->widget(index);
    m_tabs->removeTab(index);
    for (int field = 1; field <= 8; ++field) {
        for (int number = 1; number <= 70; ++number) {
            m_cells.erase(EntryCellCode(slip, field, number));
        }
    }
    delete page;
    const auto at = static_cast<std::size_t>(slip - 1);
    m_entryOpen[at] = false;
    m_entryStakeGroups[at] = nullptr;
    m_entryDrawGroups[at] = nullptr;
}

} // namespace qv
