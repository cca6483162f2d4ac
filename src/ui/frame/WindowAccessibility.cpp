#include "ui/frame/WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

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

} // namespace

void InstallWindowAccessibility() {
    QAccessible::installFactory(&WindowInterface);
}

} // namespace qv
