#include "engine/printing/PrintSettings.h"

namespace qv {
namespace {

constexpr const char* kSection = "Druck";

} // namespace

PrintSettings ReadPrintSettings(const IniFile& ini) {
    const PrintSettings defaults;
    PrintSettings settings;
    settings.hori = ini.ReadString(kSection, "hori", defaults.hori);
    settings.vert = ini.ReadString(kSection, "vert", defaults.vert);
    settings.printNumber = ini.ReadBool(kSection, "ScheinNr", defaults.printNumber);
    settings.askAfterSlip = ini.ReadBool(kSection, "Fragen", defaults.askAfterSlip);
    return settings;
}

void WritePrintSettings(const IniFile& ini, const PrintSettings& settings) {
    ini.WriteString(kSection, "hori", settings.hori);
    ini.WriteString(kSection, "vert", settings.vert);
    ini.WriteBool(kSection, "ScheinNr", settings.printNumber);
    ini.WriteBool(kSection, "Fragen", settings.askAfterSlip);
}

} // namespace qv
