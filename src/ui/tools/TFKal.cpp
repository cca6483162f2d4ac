#include "ui/tools/TFKal.h"

#include "text/AppLocale.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/SharedCommands.h"
#include "ui/frame/Titles.h"
#include "ui/widgets/Controls.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
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
    auto* close = CloseButton(this);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calendar, 1);
    layout->addLayout(bottom);

    context.commands.InstallHelpKey(this);
    resize(360, 300);
}

} // namespace qv
