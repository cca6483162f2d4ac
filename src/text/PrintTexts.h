#pragma once

#include "engine/printing/SlipPrintPlan.h"

#include <QString>

namespace qv {

// The message that refuses a print job, as the print window and the command-line tool show it.
QString PrintRefusalText(const PrintRefusal& refusal);

// "'%s' ist kein gültiger Integerwert": the editor's message for a value that is no integer.
QString NotAnIntegerText(const QString& text);

inline constexpr const char* kPrintQuestionText =
    "War der Ausdruck in Ordnung?\r- \"Ja\" macht mit dem nächsten Schein weiter,\r- \"Nein\" wiederholt den "
    "Ausdruck des letzten Scheins,\r- \"Abbrechen\" bricht den Ausdruck ab.";
inline constexpr const char* kStopQuestionText = "Soll der Ausdruck gestoppt werden?.";

} // namespace qv
