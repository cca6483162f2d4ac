#pragma once

namespace qv {

// The commands that the windows' tool bars and menus share.
enum class Command {
    Statistik,
    Eingabe,
    Eingabe2,
    Tippcenter,
    Analyse,
    Kalender,
    NueberK,
    Taschenrechner,
    Update,
    Gewinnzahlen,
    Gewinnauswertung,
    OnlineSpielen,
    Druck,
    Optionen,
    Oeffnen,
    Inhalt,
    HilfeBenutzen,
    Info,
    Beenden,
    Gewinnchancen,
    Rueckblick,
    Wiederholer, // the repeater marking
    Muster,      // the winning-number and end-digit patterns
    Systeme,     // the systems: few rows with a proven guarantee
};

} // namespace qv
