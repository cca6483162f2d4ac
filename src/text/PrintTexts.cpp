#include "text/PrintTexts.h"

namespace qv {

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
    }
    return {};
}

QString NotAnIntegerText(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

} // namespace qv
