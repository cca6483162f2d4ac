#include "cli/CliCommands.h"

namespace qv::cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {QStringLiteral("draws import"), QStringLiteral("DATEI [--into ZIEHUNGSDATEI] [--replace [--force]]"),
         QStringLiteral("Übernimmt Ziehungen aus einer Textdatei (Datum und 20 Zahlen je Zeile)."), &RunDrawsImport},
        {QStringLiteral("draws list"), QStringLiteral("[ZIEHUNGSDATEI]"),
         QStringLiteral("Listet die Ziehungen: Datum und die 20 Zahlen, durch Tabulatoren getrennt."), &RunDrawsList},
        {QStringLiteral("slip show"), QStringLiteral("SCHEINDATEI"),
         QStringLiteral("Zeigt einen Spielschein: Name, Einsatz, Ziehungen und die Tippfelder."), &RunSlipShow},
        {QStringLiteral("slips from-text"), QStringLiteral("DATEI --as PFAD.kts [--draw-count N] [--stake E]"),
         QStringLiteral("Macht aus den Tippreihen einer Textdatei Spielschein-Dateien, je acht Reihen ein Schein."),
         &RunSlipsFromText},
        {QStringLiteral("evaluate"),
         QStringLiteral("[--draws ZIEHUNGSDATEI] --from DATUM|#N [--to DATUM|#N] SCHEIN..."),
         QStringLiteral("Wertet Spielscheine über einen Zeitraum aus: je Schein Titel und Ergebniszeilen."),
         &RunEvaluate},
        {QStringLiteral("filter"), QStringLiteral("[DATEI]"),
         QStringLiteral("Filtert bis zu zwanzig Gewinnzahlen aus einem Text (sonst aus der Standardeingabe)."),
         &RunFilter},
        {QStringLiteral("combos"), QStringLiteral("-k K [--draws ZIEHUNGSDATEI] [--from DATUM|#N] [--to DATUM|#N]"),
         QStringLiteral("Zählt alle Kombinationen aus K Zahlen (2 bis 5) im Zeitraum: Tops und Flops."), &RunCombos},
        {QStringLiteral("search"),
         QStringLiteral("--pool ZAHLEN [--size K] [--draws ZIEHUNGSDATEI] [--from DATUM|#N] [--to DATUM|#N]"),
         QStringLiteral("Sucht die Ziehungen mit der ganzen Auswahl oder mit Kombinationen der Größe K daraus."),
         &RunSearch},
        {QStringLiteral("print"),
         QStringLiteral("[--slips DATEI... | --text DATEI --draw-count N --stake E] [--start R] [--end R] [--number S] "
                        "[--hori H] [--vert V] [--params DATEI] --pdf AUSGABE.pdf [--marks]"),
         QStringLiteral("Druckt Tippreihen als Tippschein-Bögen in eine PDF-Datei; --marks listet die Markierungen "
                        "(Schein, Text, X, Y in 0,1 mm)."),
         &RunPrint},
        {QStringLiteral("stats"),
         QStringLiteral("[--draws ZIEHUNGSDATEI] [--from DATUM|#N --to DATUM|#N] [--order 0|1|2] [--significance]"),
         QStringLiteral("Häufigkeit, Ausbleiben und Streuklassen der Zahlen 1 bis 70 im Zeitraum (mindestens "
                        "zwei Ziehungen); --significance: Abweichungen in σ und χ²-Test auf Gleichverteilung."),
         &RunStats},
        {QStringLiteral("nk"), QStringLiteral("N K"),
         QStringLiteral("n über k: wie viele Möglichkeiten es gibt, K von N Elementen auszuwählen."), &RunNOverK},
        {QStringLiteral("version-info"), QStringLiteral("DATEI"),
         QStringLiteral("Zeigt die Programmversion, die eine Versionsdatei (verinfos.qvd) nennt."), &RunVersionInfo},
        {QStringLiteral("tips"),
         QStringLiteral(
             "[--draws ZIEHUNGSDATEI] [--from DATUM|#N --to DATUM|#N] --type K --method M [--count N] [--seed S]"),
         QStringLiteral("Bildet Tippreihen wie das Tipp-Center: Grenzen und Legende der Häufigkeit, dann N Reihen."),
         &RunTips},
        {QStringLiteral("backtest"),
         QStringLiteral("[--draws ZIEHUNGSDATEI] [--type K] [--window N] [--play D] [--stake E] [--seed S]"),
         QStringLiteral("Spielt die Methoden des Tipp-Centers über die ganze Ziehungsdatei nach: Einsatz, Gewinn, "
                        "Bilanz und Rückfluss je Methode."),
         &RunBacktest},
        {QStringLiteral("odds"), QStringLiteral("[--type K]"),
         QStringLiteral("Die Gewinnchancen: je Keno-Typ die Wahrscheinlichkeit jeder Trefferzahl, „1 zu …“ und "
                        "die Auszahlung je Euro Einsatz."),
         &RunOdds},
        {QStringLiteral("wheel"),
         QStringLiteral("--pool ZAHLEN --type K --if P --hits T [--stake E] [--draw-count D] [--seconds S | --steps N] "
                        "[--seed S] | --check ROWS.txt --pool ZAHLEN --if P --hits T"),
         QStringLiteral("Systeme: möglichst wenige Reihen aus dem Pool, bewiesen mit mindestens T Treffern in einer "
                        "Reihe, wenn P der 20 Zahlen im Pool sind; mit Einsatz und Gewinnerwartung."),
         &RunWheel},
    };
    return commands;
}

} // namespace qv::cli
