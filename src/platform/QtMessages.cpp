#include "platform/QtMessages.h"

#include <QApplication>

namespace qv {

QMessageBox::StandardButton QtMessages::Show(QMessageBox::Icon icon, const QString& title, const QString& text,
                                             QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, DisplayText(text), buttons, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtMessages::Error(const QString& text) {
    Show(QMessageBox::Critical, QStringLiteral("Fehler"), text, QMessageBox::Ok);
}

void QtMessages::Information(const QString& text) {
    Show(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok);
}

void QtMessages::Warning(const QString& text) {
    Show(QMessageBox::Warning, QStringLiteral("Warnung"), text, QMessageBox::Ok);
}

Messages::Answer QtMessages::YesNo(const QString& text) {
    const auto button =
        Show(QMessageBox::Question, QStringLiteral("Bestätigung"), text, QMessageBox::Yes | QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Messages::Answer QtMessages::YesNoCancel(const QString& text) {
    const auto button = Show(QMessageBox::Question, QStringLiteral("Bestätigung"), text,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace qv
