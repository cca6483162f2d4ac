#include "engine/draws/WinningNumberSettings.h"

namespace qv {
namespace {

constexpr const char* kSection = "NeueGZ";

} // namespace

std::optional<WinningNumberSettings> ReadWinningNumberSettings(const IniFile& ini) {
    if (!ini.Exists()) {
        return std::nullopt;
    }
    WinningNumberSettings settings;
    settings.autoFilter = ini.ReadBool(kSection, "AutoFiltern", false);
    settings.autoDelete = ini.ReadBool(kSection, "AutoDelete", false);
    settings.left = ini.ReadInteger(kSection, "PosLeft", 500);
    settings.top = ini.ReadInteger(kSection, "PosTop", 200);
    return settings;
}

void WriteWinningNumberSettings(const IniFile& ini, const WinningNumberSettings& settings) {
    ini.WriteBool(kSection, "AutoFiltern", settings.autoFilter);
    ini.WriteBool(kSection, "AutoDelete", settings.autoDelete);
    ini.WriteInteger(kSection, "PosLeft", settings.left);
    ini.WriteInteger(kSection, "PosTop", settings.top);
}

} // namespace qv
