#include "platform/QtMessages.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

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

std::optional<QDate> QtMessages::ChooseDate(const QString& text, const QDate& preset) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("DateDialog"));
    dialog.setWindowTitle(QStringLiteral("Datum wählen"));
    auto* label = new QLabel(DisplayText(text), &dialog);
    label->setWordWrap(true);
    auto* date = new QDateEdit(preset, &dialog);
    date->setObjectName(QStringLiteral("Datum"));
    date->setCalendarPopup(true);
    date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    label->setBuddy(date);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(date);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return date->date();
}

} // namespace qv
