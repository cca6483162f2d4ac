#include "ui/tools/TFKal.h"

#include "text/AppLocale.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qv {

TFKal::TFKal(AppContext& context) {
    setObjectName(QString::fromUtf8(kFormName));
    setWindowTitle(WindowTitle(TitleSuffixes::Kalender));
    setWindowFlag(Qt::Window);

    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("MC1"));
    calendar->setLocale(AppLocale());
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setGridVisible(true);
    calendar->setSelectedDate(context.ports.clock.Today());
    calendar->setAccessibleName(QStringLiteral("Kalender"));
    // Qt's month buttons carry only arrows and take no focus: the keyboard and a screen reader reach them
    // under their names.
    const struct {
        const char* part;
        const char* name;
    } parts[] = {{"qt_calendar_prevmonth", "Vorheriger Monat"},
                 {"qt_calendar_nextmonth", "Nächster Monat"},
                 {"qt_calendar_monthbutton", "Monat wählen"},
                 {"qt_calendar_yearbutton", "Jahr wählen"}};
    for (const auto& part : parts) {
        if (auto* button = calendar->findChild<QToolButton*>(QString::fromUtf8(part.part))) {
            button->setAccessibleName(QString::fromUtf8(part.name));
            button->setToolTip(QString::fromUtf8(part.name));
            button->setFocusPolicy(Qt::StrongFocus);
        }
    }
    auto* close = CloseButton(this);

    QHBoxLayout* bottom = CloseRow(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar, 1);
    layout->addLayout(bottom);

    context.commands.InstallHelpKey(this);
    resize(360, 300);
}

} // namespace qv
