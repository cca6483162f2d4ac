#include "cli/CliCommands.h"

namespace qv::cli {

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands = {
        {QStringLiteral("draws import"), QStringLiteral("FILE [--into DRAWFILE] [--replace]"),
         QStringLiteral("Übernimmt Ziehungen aus einer Textdatei (Datum und 20 Zahlen je Zeile)."), &RunDrawsImport},
        {QStringLiteral("draws list"), QStringLiteral("[DRAWFILE]"),
         QStringLiteral("Listet die Ziehungen: Datum und die 20 Zahlen, durch Tabulatoren getrennt."), &RunDrawsList},
        {QStringLiteral("slip show"), QStringLiteral("SLIPFILE"),
         QStringLiteral("Zeigt einen Spielschein: Name, Einsatz, Ziehungen und die Tippfelder."), &RunSlipShow},
    };
    return commands;
}

} // namespace qv::cli
