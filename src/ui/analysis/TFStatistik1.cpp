#include "ui/analysis/TFStatistik1.h"

#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/core/ProgramState.h"
#include "text/Amounts.h"
#include "text/AppLocale.h"
#include "text/DrawListText.h"
#include "text/SignificanceText.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ErrorReport.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/frame/WindowAccessibility.h"
#include "ui/widgets/DateList.h"
#include "ui/widgets/GridExport.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>
#include <numeric>

namespace qv {
namespace {

constexpr int kHeaderHeight = 20; // PTop1
constexpr int kColumnGap = 1;     // between the placed of a row
constexpr int kRowGap = 2;        // between the label-and-value pairs of two rows
constexpr QRgb kSlotLabelColour = 0xFFC7FD8A;

QColor Rgb(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

void Paint(QLabel* panel, const QColor& background, const QColor& text) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    panel->setPalette(palette);
}

QStringList ItemTexts(const QComboBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) {
        texts << list.itemText(i);
    }
    return texts;
}

const char* OrderCaption(StatisticsOrder order) {
    switch (order) {
    case StatisticsOrder::Numbers:
        return "Häufigkeit für Zahlen 1 - 70";
    case StatisticsOrder::Frequency:
        return "Häufigkeit absteigend";
    case StatisticsOrder::Absence:
        return "Ausgeblieben absteigend";
    }
    return "";
}

} // namespace

TFStatistik1::TFStatistik1(AppContext& context)
    : m_context(context) {
    setObjectName(QLatin1String(kFormName));
    CreateToolBar();
    CreateMenu();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    auto* layout = new QVBoxLayout(client);
    layout->addWidget(CreatePeriodGroup());
    m_periodSize = new QLabel(client);
    m_periodSize->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_periodSize->font();
    bold.setBold(true);
    m_periodSize->setFont(bold);
    layout->addWidget(m_periodSize);
    layout->addWidget(CreateViews());
    layout->addStretch(1);
    setCentralWidget(client);

    ReloadDrawDates();

    m_context.commands.InstallHelpKey(this);
    setWindowTitle(WindowTitle(TitleSuffixes::GewinnreihenStatistik));
    resize(sizeHint());
}

void TFStatistik1::CreateToolBar() {
    m_toolBar = SharedCommands::AddToolBar(this);
    m_context.commands.AddToolButtons(
        m_toolBar, this,
        {{Command::Eingabe, Command::Druck, Command::Tippcenter, Command::Analyse},
         {Command::Kalender, Command::NueberK, Command::Taschenrechner, Command::Optionen, Command::Update},
         {Command::HilfeBenutzen, Command::Beenden}});
}

void TFStatistik1::CreateMenu() {
    m_context.commands.AddStandardMenus(menuBar(), this, SharedCommands::MenuOf::OtherWindow);
    // This window is already open, opens no slip files and offers no manual update of the numbers.
    for (QAction* item : findChildren<QAction*>()) {
        if (item->objectName() == SharedCommands::MenuItemName(Command::Statistik) ||
            item->objectName() == SharedCommands::MenuItemName(Command::Oeffnen)) {
            item->setEnabled(false);
        }
        if (item->objectName() == SharedCommands::MenuItemName(Command::Gewinnzahlen)) {
            item->setText(QStringLiteral("&Manuelle Quotenaktualisierung"));
            item->setEnabled(false);
        }
    }
}

QWidget* TFStatistik1::CreatePeriodGroup() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* period = new QGroupBox(QStringLiteral("Auswertungs-Zeitraum"), row);
    period->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(period);
    const auto dateList = [period](const QString& name, const QString& caption) {
        // A date may be typed; a text that names no draw is refused by the evaluation.
        QComboBox* list = NewDateList(period, name);
        list->lineEdit()->setPlaceholderText(QString::fromUtf8(kChooseText));
        list->setMaxVisibleItems(16);
        auto* label = new QLabel(caption, period);
        label->setBuddy(list);
        // A screen reader names an editable list by its text unless told otherwise.
        list->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        return std::pair{label, list};
    };
    auto [fromLabel, from] = dateList(QStringLiteral("Co1"), QStringLiteral("&von"));
    auto [toLabel, to] = dateList(QStringLiteral("Co2"), QStringLiteral("&bis"));
    m_periodFrom = from;
    m_periodTo = to;
    grid->addWidget(fromLabel, 0, 0);
    grid->addWidget(from, 0, 1);
    grid->addWidget(toLabel, 1, 0);
    grid->addWidget(to, 1, 1);
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        connect(list, &QComboBox::currentIndexChanged, this, &TFStatistik1::PeriodFromLists);
        connect(list, &QComboBox::editTextChanged, this, &TFStatistik1::PeriodFromLists);
    }

    auto* orders = new QGroupBox(QStringLiteral("Sortiert nach..."), row);
    orders->setObjectName(QStringLiteral("RG1"));
    auto* orderLayout = new QVBoxLayout(orders);
    m_order = new QButtonGroup(orders);
    const char* captions[] = {"...Nummern 1 - 70", "...Häufigkeit absteigend", "...meist ausgeblieben "};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(captions[i]), orders);
        button->setObjectName(QStringLiteral("RG1_%1").arg(i));
        m_order->addButton(button, i);
        orderLayout->addWidget(button);
    }
    m_order->button(0)->setChecked(true);

    const auto twoLineButton = [row](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, row);
        button->setObjectName(name);
        button->setMinimumSize(90, 40);
        SetSpokenName(button, caption);
        return button;
    };
    m_evaluate = twoLineButton(QStringLiteral("BSort"), QStringLiteral("Auswertung\nstarten"));
    m_chart = twoLineButton(QStringLiteral("BCharts"), QStringLiteral("Charts\nanzeigen"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_evaluate);
    buttons->addWidget(m_chart);
    buttons->addStretch(1);

    layout->addWidget(period);
    layout->addWidget(orders);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(m_evaluate, &QPushButton::clicked, this,
            [this] { Guarded(m_context.ports.messages, [this] { Evaluate(); }); });
    connect(m_chart, &QPushButton::clicked, this, &TFStatistik1::ShowChart);
    setTabOrder(m_periodFrom, m_periodTo);
    setTabOrder(m_periodTo, m_order->button(0));
    setTabOrder(m_order->button(0), m_order->button(1));
    setTabOrder(m_order->button(1), m_order->button(2));
    setTabOrder(m_order->button(2), m_evaluate);
    setTabOrder(m_evaluate, m_chart);
    return row;
}

QWidget* TFStatistik1::CreateViews() {
    m_views = new QTabWidget(this);
    m_views->setObjectName(QStringLiteral("TabAnsicht"));
    auto* bands = new QWidget(m_views);
    bands->setObjectName(QStringLiteral("TabStreubaender"));
    auto* bandsLayout = new QVBoxLayout(bands);
    bandsLayout->addWidget(CreateGrid(), 0, Qt::AlignLeft);
    bandsLayout->addWidget(CreateLegend());
    // The bands use a wider σ than the exact test; the player should know which to trust for what.
    auto* bandsNote = new QLabel(QString::fromUtf8(kBandsNoteText), bands);
    bandsNote->setObjectName(QStringLiteral("LStreubaender"));
    bandsNote->setWordWrap(true);
    bandsLayout->addWidget(bandsNote);
    bandsLayout->addStretch(1);
    m_views->addTab(bands, QStringLiteral("S&treubänder"));
    m_views->addTab(CreateSignificancePage(), QStringLiteral("Si&gnifikanz"));
    return m_views;
}

QWidget* TFStatistik1::CreateSignificancePage() {
    auto* page = new QWidget(m_views);
    page->setObjectName(QStringLiteral("TabSignifikanz"));
    m_significanceGrid = new QTableView(page);
    m_significanceGrid->setObjectName(QStringLiteral("GSignifikanz"));
    m_significanceGrid->setAccessibleName(QStringLiteral("Abweichung jeder Zahl in Standardabweichungen"));
    m_significanceModel = new QStandardItemModel(0, 3, m_significanceGrid);
    m_significanceModel->setHorizontalHeaderLabels(
        {QStringLiteral("Zahl"), QStringLiteral("Häufigkeit"), QStringLiteral("Abweichung (σ)")});
    m_significanceGrid->setModel(m_significanceModel);
    m_significanceGrid->verticalHeader()->hide();
    m_significanceGrid->verticalHeader()->setDefaultSectionSize(18);
    m_significanceGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_significanceGrid->horizontalHeader()->setHighlightSections(false);
    m_significanceGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_significanceGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_significanceGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_significanceGrid->setTabKeyNavigation(false);
    m_significanceGrid->setFixedWidth(250);
    InstallGridExport(*m_significanceGrid, m_context.ports, QStringLiteral("Signifikanz.csv"));

    const auto textLine = [page](const QString& name) {
        auto* label = new QLabel(page);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        return label;
    };
    m_sigmaLine = textLine(QStringLiteral("LSigma"));
    m_sigmaMeaning = textLine(QStringLiteral("LBedeutungSigma"));
    m_chiSquareLine = textLine(QStringLiteral("LChiQuadrat"));
    m_chiSquareMeaning = textLine(QStringLiteral("LBedeutungChiQuadrat"));
    QFont bold = m_sigmaLine->font();
    bold.setBold(true);
    m_sigmaLine->setFont(bold);
    m_chiSquareLine->setFont(bold);

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_sigmaLine);
    texts->addWidget(m_sigmaMeaning);
    texts->addSpacing(12);
    texts->addWidget(m_chiSquareLine);
    texts->addWidget(m_chiSquareMeaning);
    texts->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_significanceGrid);
    layout->addLayout(texts, 1);
    return page;
}

void TFStatistik1::ShowSignificance(int first, int last, StatisticsOrder order) {
    const NumberCounts frequencies = CountFrequencies(m_context.state.DrawList, first, last);
    const Significance significance =
        ComputeSignificance(frequencies, last - first + 1 - CountInvalidDraws(m_context.state.DrawList, first, last));
    const QLocale locale = AppLocale();
    m_sigmaLine->setText(SigmaLine(significance, locale));
    m_sigmaMeaning->setText(SigmaMeaning(significance));
    m_chiSquareLine->setText(ChiSquareLine(significance, locale));
    m_chiSquareMeaning->setText(ChiSquareMeaning(significance, locale));

    // The most frequent first when the grid shows them so; by number otherwise.
    std::array<int, 70> placed{};
    if (order == StatisticsOrder::Frequency) {
        placed = SlotsByDescendingValue(frequencies);
    } else {
        std::iota(placed.begin(), placed.end(), 1);
    }
    m_significanceModel->setRowCount(0);
    QFont bold = m_significanceGrid->font();
    bold.setBold(true);
    for (const int n : placed) {
        const auto i = static_cast<std::size_t>(n - 1);
        const double deviation = significance.deviations[i];
        QList<QStandardItem*> row = {new QStandardItem(QString::number(n)),
                                     new QStandardItem(QString::number(frequencies[i])),
                                     new QStandardItem(DeviationText(deviation, locale))};
        for (QStandardItem* item : row) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            // Beyond ±2σ stands out.
            if (std::fabs(deviation) > 2.0) {
                item->setFont(bold);
            }
        }
        m_significanceModel->appendRow(row);
    }
}

QList<QStringList> TFStatistik1::ShownTexts() const {
    QList<QStringList> rows;
    if (m_shownAbsence) {
        rows << QStringList{QStringLiteral("Platz"), QStringLiteral("Zahl"), QStringLiteral("Ausgeblieben")};
    } else {
        rows << QStringList{QStringLiteral("Platz"), QStringLiteral("Zahl"), QStringLiteral("Häufigkeit"),
                            QStringLiteral("Klasse")};
    }
    for (std::size_t s = 0; s < m_shownNumbers.size(); ++s) {
        const int n = m_shownNumbers[s];
        if (n < 1) {
            return {}; // nothing counted yet
        }
        QStringList row = {QString::number(s + 1), QString::number(n), QString::number(m_shownValues[s])};
        if (!m_shownAbsence) {
            row << QString::number(m_stats.classes[static_cast<std::size_t>(n - 1)]);
        }
        rows << row;
    }
    return rows;
}

QPoint TFStatistik1::SlotPlace(int slot) const {
    const int row = (slot - 1) / 10;
    const int column = (slot - 1) % 10;
    return {column * (kSlotWidth + kColumnGap), kHeaderHeight + kRowGap + row * (2 * kSlotHeight + kRowGap)};
}

QWidget* TFStatistik1::CreateGrid() {
    m_gridPanel = new QFrame(this);
    m_gridPanel->setObjectName(QStringLiteral("P1"));
    const int width = 10 * kSlotWidth + 9 * kColumnGap;
    const int height = SlotPlace(70).y() + 2 * kSlotHeight;
    m_gridPanel->setFixedSize(width, height);
    m_gridPanel->setAccessibleName(QStringLiteral("Zahlen 1 - 70"));
    // Reached by Tab, so that the menu key opens the copy and save menu here too.
    m_gridPanel->setFocusPolicy(Qt::StrongFocus);
    InstallGridExport(*m_gridPanel, m_context.ports, QStringLiteral("Statistik.csv"), [this] { return ShownTexts(); });

    QFont bold = font();
    bold.setBold(true);
    m_orderName = new QLabel(QString::fromUtf8(OrderCaption(StatisticsOrder::Numbers)), m_gridPanel);
    m_orderName->setObjectName(QStringLiteral("PTop1"));
    m_orderName->setFont(bold);
    m_orderName->setGeometry(0, 0, width, kHeaderHeight);
    m_orderName->setFrameShape(QFrame::Panel);
    m_orderName->setFrameShadow(QFrame::Raised);
    m_orderName->setAutoFillBackground(true);
    m_orderName->setIndent(4);

    m_expected = new QLabel(m_gridPanel);
    m_expected->setObjectName(QStringLiteral("Panel1"));
    m_expected->setFont(bold);
    m_expected->setAlignment(Qt::AlignCenter);
    m_expected->setAutoFillBackground(true);
    Paint(m_expected, QColor(0x6F, 0x6F, 0x6F), QColor(0xFB, 0xFD, 0xB3));
    m_expected->setGeometry(width - 90, 1, 89, kHeaderHeight - 2);

    QFont plain = font();
    plain.setPointSize(8);
    QFont slotFont = plain;
    slotFont.setBold(true);
    for (int s = 1; s <= kNumbersInGame; ++s) {
        auto* label = new QLabel(QString::number(s), m_gridPanel);
        label->setObjectName(QStringLiteral("PNummer%1").arg(s));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(slotFont);
        label->setAutoFillBackground(true);
        Paint(label, QColor::fromRgb(kSlotLabelColour), Qt::black);
        label->setGeometry(QRect(SlotPlace(s), QSize(kSlotWidth, kSlotHeight)));
        m_slotLabels[static_cast<std::size_t>(s - 1)] = label;

        auto* value = new QLabel(QStringLiteral("0"), m_gridPanel);
        value->setObjectName(QStringLiteral("PNummerWert%1").arg(s));
        value->setAlignment(Qt::AlignCenter);
        value->setFont(plain);
        value->setFrameShape(QFrame::Panel);
        value->setFrameShadow(QFrame::Sunken);
        value->setAutoFillBackground(true);
        value->setGeometry(QRect(SlotPlace(s) + QPoint(0, kSlotHeight), QSize(kSlotWidth, kSlotHeight)));
        m_values[static_cast<std::size_t>(s - 1)] = value;
    }
    return m_gridPanel;
}

QGroupBox* TFStatistik1::CreateLegend() {
    m_legend = new QGroupBox(QStringLiteral("Streuintervalle nach Standardabweichung"), this);
    m_legend->setObjectName(QStringLiteral("Gr3"));
    auto* layout = new QHBoxLayout(m_legend);
    layout->setSpacing(0);
    QFont small = font();
    small.setPointSize(8);
    // From the rarest class on the left to the most frequent on the right.
    for (int i = 1; i <= 7; ++i) {
        auto* panel = new QLabel(m_legend);
        panel->setObjectName(QStringLiteral("PAbw%1").arg(i));
        panel->setFixedSize(78, 22);
        panel->setFont(small);
        panel->setAlignment(Qt::AlignCenter);
        panel->setAutoFillBackground(true);
        const ClassColours colours = ColoursOfClass(8 - i);
        Paint(panel, Rgb(colours.background), Rgb(colours.text));
        m_legendPanels[static_cast<std::size_t>(i - 1)] = panel;
        layout->addWidget(panel);
    }
    layout->addStretch(1);
    return m_legend;
}

void TFStatistik1::PeriodFromLists() {
    m_start = FindDateEntry(ItemTexts(*m_periodFrom), m_periodFrom->currentText());
    m_end = FindDateEntry(ItemTexts(*m_periodTo), m_periodTo->currentText());
}

void TFStatistik1::ReloadDrawDates() {
    // The whole history; the run only counts and colours.
    // A draw the main window has added but not saved yet has no date; its date joins the list once saved.
    const auto& draws = m_context.state.DrawList;
    const int unsaved = !draws.empty() && draws.back().datum == 0 ? 1 : 0;
    const QStringList dates = DrawDateTexts(draws, unsaved, AppLocale());
    for (QComboBox* list : {m_periodFrom, m_periodTo}) {
        const QSignalBlocker quiet(list);
        SetDateEntries(list, dates);
    }
    {
        const QSignalBlocker quiet(m_periodFrom);
        m_periodFrom->setCurrentIndex(dates.isEmpty() ? -1 : 0);
    }
    {
        const QSignalBlocker quiet(m_periodTo);
        m_periodTo->setCurrentIndex(static_cast<int>(dates.size()) - 1);
    }
    m_start = 0;
    m_end = static_cast<int>(dates.size()) - 1;
    if (m_start < m_end) {
        Count(m_start, m_end);
        ShowSignificance(m_start, m_end, StatisticsOrder::Numbers);
    }
}

void TFStatistik1::AppendPeriodEnd(const QString& dateText) {
    const QSignalBlocker quiet(m_periodTo);
    m_periodTo->addItem(dateText);
    m_periodTo->setCurrentIndex(m_periodTo->count() - 1);
    // What the list shows is what the next evaluation covers.
    m_end = m_periodTo->count() - 1;
}

void TFStatistik1::Count(int first, int last) {
    m_stats = ComputeStatistics(m_context.state.DrawList, first, last);
    m_expected->setText(QStringLiteral("P = ") + FormatAmount(m_stats.expected, 1, AppLocale()));
    for (int n = 1; n <= kNumbersInGame; ++n) {
        ShowValue(n, n, m_stats.frequencies[static_cast<std::size_t>(n - 1)], true);
    }
    for (int i = 1; i <= 7; ++i) {
        m_legendPanels[static_cast<std::size_t>(i - 1)]->setText(
            QString::fromStdString(m_stats.legends[static_cast<std::size_t>(7 - i)]));
    }
}

void TFStatistik1::ShowValue(int n, int slot, int value, bool classColours) {
    QLabel* box = m_values[static_cast<std::size_t>(n - 1)];
    box->setText(QString::number(value));
    box->move(SlotPlace(slot) + QPoint(0, kSlotHeight));
    m_slotLabels[static_cast<std::size_t>(slot - 1)]->setText(QString::number(n));
    if (classColours) {
        const ClassColours colours = ColoursOfClass(m_stats.classes[static_cast<std::size_t>(n - 1)]);
        Paint(box, Rgb(colours.background), Rgb(colours.text));
    } else {
        const QPalette system = QApplication::palette();
        Paint(box, system.color(QPalette::Button), system.color(QPalette::WindowText));
    }
    box->setAccessibleName(QStringLiteral("Zahl %1: %2").arg(n).arg(value));
    m_shownNumbers[static_cast<std::size_t>(slot - 1)] = n;
    m_shownValues[static_cast<std::size_t>(slot - 1)] = value;
    m_shownAbsence = !classColours;
}

void TFStatistik1::Evaluate() {
    const int drawCount = static_cast<int>(m_context.state.DrawList.size());
    if (m_start < 0 || m_end < 0 || m_start >= m_end || m_end >= drawCount) {
        m_context.ports.messages.Error(QString::fromUtf8(PeriodErrorText));
        return;
    }
    const auto order = static_cast<StatisticsOrder>(m_order->checkedId());
    if (order != StatisticsOrder::Absence) {
        Count(m_start, m_end);
    }
    const bool counted = order != StatisticsOrder::Absence;
    m_legend->setVisible(counted);
    m_expected->setVisible(counted);
    Arrange(order, m_start, m_end);
    ShowSignificance(m_start, m_end, order);
    // Records that hold no draw of the game are left out and said so.
    const int invalid = CountInvalidDraws(m_context.state.DrawList, m_start, m_end);
    QString size =
        QStringLiteral("Der Auswertungszeitraum umfasst %1 Ausspielungen").arg(m_end - m_start + 1 - invalid);
    if (invalid > 0) {
        size += QStringLiteral(" – ") + QString::fromStdString(InvalidDrawsNote(invalid));
    }
    m_periodSize->setText(size);
}

void TFStatistik1::Arrange(StatisticsOrder order, int first, int last) {
    m_orderName->setText(QString::fromUtf8(OrderCaption(order)));
    switch (order) {
    case StatisticsOrder::Numbers:
        for (int n = 1; n <= kNumbersInGame; ++n) {
            ShowValue(n, n, m_stats.frequencies[static_cast<std::size_t>(n - 1)], true);
        }
        break;
    case StatisticsOrder::Frequency: {
        const auto placed = SlotsByDescendingValue(m_stats.frequencies);
        for (int s = 1; s <= kNumbersInGame; ++s) {
            const int n = placed[static_cast<std::size_t>(s - 1)];
            ShowValue(n, s, m_stats.frequencies[static_cast<std::size_t>(n - 1)], true);
        }
        break;
    }
    case StatisticsOrder::Absence: {
        ProgramState& state = m_context.state;
        BuildPeriodSets(state, first, last - first);
        const NumberCounts absences = CountAbsences(state.PeriodSets);
        const auto placed = SlotsByDescendingValue(absences);
        for (int s = 1; s <= kNumbersInGame; ++s) {
            const int n = placed[static_cast<std::size_t>(s - 1)];
            ShowValue(n, s, absences[static_cast<std::size_t>(n - 1)], false);
        }
        break;
    }
    }
    m_orderName->raise();
    m_expected->raise();
}

void TFStatistik1::ShowChart() {
    emit ChartRequested();
}

} // namespace qv
