#include "ui/frame/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace qv {

namespace {

QAccessibleInterface* WindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || !className.startsWith(QLatin1String("qv::TF")) ||
        qobject_cast<QDialog*>(widget) != nullptr || qobject_cast<QMainWindow*>(widget) != nullptr) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

// Names a window's inner parts each time it is shown, so that parts added since are named too.
class InnerPartNamer : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) {
                NameInnerParts(widget);
            }
        }
        return false;
    }
};

constexpr const char* kTabsWatched = "qvTabBarShownWithTabs";

// The label that names field in window: its buddy label, without the colon at its end.
QString LabelOf(const QWidget& window, const QWidget* field) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            QString text = SpokenCaption(label->text()).trimmed();
            if (text.endsWith(QLatin1Char(':'))) {
                text.chop(1);
            }
            return text;
        }
    }
    return {};
}

} // namespace

void InstallWindowAccessibility() {
    QAccessible::installFactory(&WindowInterface);
    static InnerPartNamer* namer = nullptr;
    if (namer == nullptr && qApp != nullptr) {
        namer = new InnerPartNamer(qApp);
        qApp->installEventFilter(namer);
    }
}

QString SpokenCaption(const QString& caption) {
    // A plain loop rather than a regular expression: every window names its captions while it is made,
    // the main window behind the start window too, and the expression engine is not needed for that.
    QString text = caption;
    text.remove(QLatin1Char('\r'));
    QString spoken;
    spoken.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('-') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n')) {
            // Before a small letter the hyphen only split the word; before anything else it belongs to it.
            if (i + 2 >= size || !text.at(i + 2).isLower()) {
                spoken += c;
            }
            ++i;
        } else if (c == QLatin1Char('\n')) {
            spoken += QLatin1Char(' ');
        } else if (c == QLatin1Char('&')) {
            // "&&" stands for one "&"; a single "&" marks the mnemonic.
            if (i + 1 < size && text.at(i + 1) == QLatin1Char('&')) {
                spoken += c;
                ++i;
            }
        } else {
            spoken += c;
        }
    }
    return spoken;
}

void SetSpokenName(QWidget* widget, const QString& caption) {
    widget->setAccessibleName(SpokenCaption(caption));
}

void NameInnerParts(QWidget* window) {
    for (QComboBox* list : window->findChildren<QComboBox*>()) {
        QLineEdit* field = list->lineEdit();
        if (field == nullptr || !field->accessibleName().isEmpty()) {
            continue;
        }
        QString name = list->accessibleName();
        if (name.isEmpty()) {
            name = LabelOf(*window, list);
        }
        if (name.isEmpty()) {
            name = SpokenCaption(list->toolTip());
        }
        field->setAccessibleName(name);
    }
    // A screen reader calls a tab bar by its current tab; without tabs it would be a nameless, empty
    // control. It has no size then anyway, so it is hidden until the first tab comes; until then the
    // Tab key passes over the tab set too (it would hand its focus to the hidden bar and keep it).
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        if (tabs->property(kTabsWatched).toBool()) {
            continue;
        }
        tabs->setProperty(kTabsWatched, true);
        const auto showTabBar = [tabs] {
            tabs->tabBar()->setVisible(tabs->count() > 0);
            tabs->setFocusPolicy(tabs->count() > 0 ? Qt::TabFocus : Qt::NoFocus);
        };
        QObject::connect(tabs, &QTabWidget::currentChanged, tabs, showTabBar);
        showTabBar();
    }
    for (QToolBar* toolBar : window->findChildren<QToolBar*>()) {
        if (auto* more = toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
            if (more->accessibleName().isEmpty()) {
                more->setAccessibleName(QStringLiteral("Weitere Schaltflächen"));
            }
        }
    }
}

} // namespace qv
