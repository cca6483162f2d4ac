#pragma once

#include "engine/core/IniFile.h"

#include <optional>

namespace qv {

// The section "NeueGZ" of the settings file: the winning-number window's two check boxes and its
// position.
struct WinningNumberSettings {
    bool autoFilter = false; // "AutoFiltern": filter automatically after pasting
    bool autoDelete = false; // "AutoDelete": clear the text field after the transfer
    int left = 500;
    int top = 200;
    bool operator==(const WinningNumberSettings&) const = default;
};

// Read when the window is created. Nothing when the settings file does not exist: the window then
// keeps its designed state (both boxes checked) and position. A missing key gives no / 500 / 200.
std::optional<WinningNumberSettings> ReadWinningNumberSettings(const IniFile& ini);

// Written when the window closes, which happens at every program end.
void WriteWinningNumberSettings(const IniFile& ini, const WinningNumberSettings& settings);

} // namespace qv
