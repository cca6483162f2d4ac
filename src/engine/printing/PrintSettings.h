#pragma once

#include "engine/core/IniFile.h"

#include <string>

namespace qv {

// The section "Druck" of the settings file: the print window's correction and its two check boxes.
// The start number, the range and the text-file choice are not kept.
struct PrintSettings {
    std::string hori = "230"; // "hori": the horizontal correction's text
    std::string vert = "0";   // "vert": the vertical correction's text
    bool printNumber = true;  // "ScheinNr": print the slip number
    bool askAfterSlip = true; // "Fragen": ask whether each slip came out right
    bool operator==(const PrintSettings&) const = default;
};

// Missing keys (or a missing file) give the defaults above.
PrintSettings ReadPrintSettings(const IniFile& ini);
void WritePrintSettings(const IniFile& ini, const PrintSettings& settings);

} // namespace qv
