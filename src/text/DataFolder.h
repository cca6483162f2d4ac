#pragma once

#include <QString>

#include <filesystem>

namespace qv {

// The user's data folder: the application-data location of "Quovadra" (on Linux
// ~/.local/share/Quovadra, honouring XDG_DATA_HOME; on Windows %APPDATA%\Quovadra), with a trailing
// separator. Not created here.
std::filesystem::path DefaultDataFolder();

std::filesystem::path ToPath(const QString& text);
QString FromPath(const std::filesystem::path& path);

} // namespace qv
