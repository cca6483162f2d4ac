#include "text/PrintTexts.h"

namespace qv {
namespace {

// A length of 0.1 mm units in millimetres with a decimal comma: 2080 → "208,0".
QString Millimetres(std::int32_t tenths) {
    const std::int64_t value = tenths;
    const std::int64_t whole = (value < 0 ? -value : value);
    return QStringLiteral("%1%2,%3").arg(value < 0 ? QStringLiteral("-") : QString()).arg(whole / 10).arg(whole % 10);
}

} // namespace

QString PrintRefusalText(const PrintRefusal& refusal) {
    const QString text = QString::fromStdString(refusal.text);
    switch (refusal.kind) {
    case PrintRefusal::Kind::NothingToPrint:
        return QStringLiteral("Es gibt nichts zu drucken, ich breche ab.");
    case PrintRefusal::Kind::EndBeforeStart:
        return QStringLiteral("Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.\r\rIch breche ab.");
    case PrintRefusal::Kind::EndBeyondRows:
        return QStringLiteral("Die Liste endet mit Tippreihe %1. Bitte prüfen Sie Start und Ende des "
                              "Tippreihen-Ausdrucks.\r\rIch breche ab.")
            .arg(refusal.row);
    case PrintRefusal::Kind::BadCorrection:
        return QStringLiteral("Die Ausdruck-Korrektur \"%1\" ist keine ganze Zahl.\r\rIch breche ab.").arg(text);
    case PrintRefusal::Kind::BadNumber:
        return QStringLiteral("Tippreihe %1 enthält \"%2\", das ist keine Zahl von 1 bis 70.\r\rIch breche ab.")
            .arg(refusal.row)
            .arg(text);
    case PrintRefusal::Kind::NoBoxes:
        return QStringLiteral("Tippreihe %1 hat keinen gültigen Einsatz pro Tipp oder keine gültige Anzahl der "
                              "Ziehungen.\r\rIch breche ab.")
            .arg(refusal.row);
    case PrintRefusal::Kind::TextRowsWithoutChoice:
        return QStringLiteral("Tippreihe %1 stammt aus einer Textdatei und hat keinen Einsatz pro Tipp und keine "
                              "Anzahl der Ziehungen. Bitte wählen Sie beides unter \"Angaben für "
                              "Textdatei-Druck\".\r\rIch breche ab.")
            .arg(refusal.row);
    case PrintRefusal::Kind::MarkOffSheet:
        return QStringLiteral("Die Markierung \"%1\" auf Schein %2 läge %3 mm rechts und %4 mm unter der linken "
                              "oberen Ecke des Papiers, außerhalb des Bereichs, den der Drucker bedrucken kann. "
                              "Bitte prüfen Sie die Ausdruck-Korrektur und die Druck-Parameter.\r\rIch breche ab, "
                              "es wird nichts gedruckt.")
            .arg(text)
            .arg(refusal.row)
            .arg(Millimetres(refusal.at.x), Millimetres(refusal.at.y));
    }
    return {};
}

QString NotAnIntegerText(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

} // namespace qv
