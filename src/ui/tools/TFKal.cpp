#include "ui/tools/TFKal.h"

#include "text/AppLocale.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv {

namespace {

constexpr int kWeekRows = 6;
constexpr int kWeekdays = 7;

QPushButton* MonthButton(const QString& name, const QString& arrow, const QString& spoken, QWidget* parent) {
    QPushButton* button = Button(name, arrow, parent);
    button->setAccessibleName(spoken);
    button->setToolTip(spoken);
    button->setFixedWidth(kButtonHeight + 8);
    return button;
}

} // namespace

TFKal::TFKal(AppContext& context)
    : m_today(context.ports.clock.Today()) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::Kalender));
    setWindowFlag(Qt::Window);

    QPushButton* previous =
        MonthButton(QStringLiteral("BVorMonat"), QStringLiteral("<"), QStringLiteral("Vorheriger Monat"), this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("LMonat"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    QPushButton* next =
        MonthButton(QStringLiteral("BNachMonat"), QStringLiteral(">"), QStringLiteral("Nächster Monat"), this);

    m_days = new QTableWidget(kWeekRows, kWeekdays, this);
    m_days->setObjectName(QStringLiteral("MC1"));
    m_days->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_days->setSelectionMode(QAbstractItemView::SingleSelection);
    m_days->setTabKeyNavigation(false); // Tab leaves the grid, the arrows move from day to day
    m_days->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_days->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_days->horizontalHeader()->setSectionsClickable(false);
    m_days->verticalHeader()->setSectionsClickable(false);
    const QLocale locale = AppLocale();
    for (int column = 0; column < kWeekdays; ++column) {
        auto* heading = new QTableWidgetItem(locale.dayName(column + 1, QLocale::ShortFormat).left(2));
        heading->setToolTip(locale.dayName(column + 1));
        m_days->setHorizontalHeaderItem(column, heading);
    }

    auto* close = CloseButton(this);
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(previous);
    monthRow->addWidget(m_title, 1);
    monthRow->addWidget(next);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(monthRow);
    layout->addWidget(m_days, 1);
    layout->addLayout(CloseRow(close));

    connect(previous, &QPushButton::clicked, this, [this] { ShowMonth(m_month.addMonths(-1)); });
    connect(next, &QPushButton::clicked, this, [this] { ShowMonth(m_month.addMonths(1)); });
    ShowMonth(m_today);

    context.commands.InstallHelpKey(this);
    resize(380, 300);
}

QDate TFKal::DayAt(int row, int column) const {
    // The grid starts with the Monday of the week that holds the first of the month.
    const QDate firstMonday = m_month.addDays(1 - m_month.dayOfWeek());
    return firstMonday.addDays(static_cast<qint64>(row) * kWeekdays + column);
}

void TFKal::ShowMonth(QDate day) {
    m_month = QDate(day.year(), day.month(), 1);
    const QLocale locale = AppLocale();
    const QString month = locale.toString(m_month, QStringLiteral("MMMM yyyy"));
    m_title->setText(month);
    m_days->setAccessibleName(QStringLiteral("Kalender ") + month);
    QFont bold = m_days->font();
    bold.setBold(true);
    for (int row = 0; row < kWeekRows; ++row) {
        auto* week = new QTableWidgetItem(QStringLiteral("KW %1").arg(DayAt(row, 0).weekNumber()));
        m_days->setVerticalHeaderItem(row, week);
        for (int column = 0; column < kWeekdays; ++column) {
            const QDate date = DayAt(row, column);
            auto* cell = new QTableWidgetItem(QString::number(date.day()));
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setData(Qt::AccessibleTextRole, locale.toString(date, QStringLiteral("dddd, d. MMMM yyyy")));
            if (date.month() != m_month.month()) {
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            } else if (column >= 5) {
                cell->setForeground(QColor(Qt::darkRed));
            }
            if (date == m_today) {
                cell->setFont(bold);
            }
            m_days->setItem(row, column, cell);
        }
    }
    const int offset = static_cast<int>(DayAt(0, 0).daysTo(QDate(day.year(), day.month(), day.day())));
    m_days->setCurrentCell(offset / kWeekdays, offset % kWeekdays);
}

} // namespace qv
