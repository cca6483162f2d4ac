#pragma once

#include "engine/core/ProgramState.h"

#include <QString>

namespace qv {

// The endings of the window titles: a window is titled "Quovadra 1.4.3.0 - Zentrale" and so on.
namespace TitleSuffixes {
inline constexpr const char* Zentrale = "- Zentrale";
inline constexpr const char* OnlineSpiel = "- Online-Spiel";
inline constexpr const char* StatistikChart = "- Statistik-Chart";
inline constexpr const char* SpielscheinEingabe = "- Spielschein-Eingabe";
inline constexpr const char* Gewinnzahlen = "- Gewinnzahlen";
inline constexpr const char* ProgrammInfo = "- Programm-Info"; // the about window's whole title
inline constexpr const char* Kalender = "- Kalender";
inline constexpr const char* NueberK = "- n über k";
inline constexpr const char* Programmeinstellungen = "- Programmeinstellungen";
inline constexpr const char* GewinnzahlenFavoriten = "- Gewinnzahlen-Favoriten";
inline constexpr const char* GewinnreihenStatistik = "- Gewinnreihen-Statistik";
inline constexpr const char* TippCenter = "- Tipp-Center";
inline constexpr const char* Updates = "- Updates";
inline constexpr const char* Analyse = "- Analyse";
} // namespace TitleSuffixes

// "Quovadra 1.4.3.0", the start window's title and the beginning of every other.
inline QString ProductTitle() {
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(ProductName), QString::fromUtf8(ProductVersion));
}

// "Quovadra 1.4.3.0 " + suffix.
inline QString WindowTitle(const char* suffix) {
    return ProductTitle() + QLatin1Char(' ') + QString::fromUtf8(suffix);
}

} // namespace qv
