#pragma once

#include "engine/core/IniFile.h"

#include <optional>
#include <string>
#include <vector>

namespace qv {

// The main window's sections of the settings file: "Haupt" (position, multi-row tabs) and
// "Spielscheine" (the slip files to reopen at start).

struct MainWindowStartSettings {
    bool multiRow = false;              // "Registerkarten mehrzeilig"
    std::vector<std::string> slipFiles; // paths to open as slip tabs, in order (an entry may be empty)
};

// Read when the window is created; nothing when the settings file does not exist.
std::optional<MainWindowStartSettings> ReadMainWindowStartSettings(const IniFile& ini);

struct WindowPosition {
    int left = 0;
    int top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// Read when the window is shown: (PosLeft, PosTop), 200 each by default; nothing when the settings
// file does not exist (the window system places the window).
std::optional<WindowPosition> ReadMainWindowPosition(const IniFile& ini);

// After the open dialog: the section "Spielscheine" holds exactly the files just chosen, in order.
void RecordChosenSlipFiles(const IniFile& ini, const std::vector<std::string>& paths);

// On closing: position and the multi-row check box.
void WriteMainWindowSettings(const IniFile& ini, WindowPosition position, bool multiRow);

} // namespace qv
