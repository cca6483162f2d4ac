#include "engine/evaluation/MainWindowSettings.h"

#include <algorithm>

namespace qv {
namespace {

constexpr const char* kMain = "Haupt";
constexpr const char* kSlips = "Spielscheine";
// More slip tabs than anyone opens; a larger count in the file is cut to this.
constexpr int kMaxRememberedSlips = 256;

} // namespace

std::optional<MainWindowStartSettings> ReadMainWindowStartSettings(const IniFile& ini) {
    if (!ini.Exists()) {
        return std::nullopt;
    }
    MainWindowStartSettings settings;
    settings.multiRow = ini.ReadBool(kMain, "Multi", false);
    const int count = std::min(ini.ReadInteger(kSlips, "Anzahl", 0), kMaxRememberedSlips);
    for (int k = 1; k <= count; ++k) {
        settings.slipFiles.push_back(ini.ReadString(kSlips, "Datei" + std::to_string(k), ""));
    }
    return settings;
}

std::optional<WindowPosition> ReadMainWindowPosition(const IniFile& ini) {
    if (!ini.Exists()) {
        return std::nullopt;
    }
    return WindowPosition{ini.ReadInteger(kMain, "PosLeft", 200), ini.ReadInteger(kMain, "PosTop", 200)};
}

void RecordChosenSlipFiles(const IniFile& ini, const std::vector<std::string>& paths) {
    // One save for the whole list: a failure never leaves a count without its entries.
    std::vector<std::pair<std::string, std::string>> settings{{"Anzahl", std::to_string(paths.size())}};
    for (std::size_t k = 0; k < paths.size(); ++k) {
        settings.emplace_back("Datei" + std::to_string(k + 1), paths[k]);
    }
    ini.ReplaceSection(kSlips, settings);
}

void WriteMainWindowSettings(const IniFile& ini, WindowPosition position, bool multiRow) {
    ini.WriteInteger(kMain, "PosLeft", position.left);
    ini.WriteInteger(kMain, "PosTop", position.top);
    ini.WriteBool(kMain, "Multi", multiRow);
}

} // namespace qv
