#pragma once

#include <filesystem>
#include <string>

namespace qv {

// The settings file "Einstellungen.qvo": a plain INI file. Every operation opens the file, reads or
// writes one value and closes it again, so nothing is cached and every write reaches the file at once.
// Section and key names are matched without regard to case; other sections, comments and the order
// of lines are kept. The file is written in UTF-8; a file that is not valid UTF-8 is read as
// Windows-1252. A missing file or key gives the default. A failed write throws FileError naming the
// file; the old file then stays whole.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return m_path; }
    bool Exists() const;

    // Decimal integer with an optional sign; anything else gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Any integer other than 0 is yes; a missing key gives the default.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    void WriteInteger(const std::string& section, const std::string& key, int value) const;
    void WriteBool(const std::string& section, const std::string& key, bool value) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value) const;
    void EraseSection(const std::string& section) const;

private:
    std::filesystem::path m_path;
};

inline constexpr const char* kSettingsFileName = "Einstellungen.qvo";

// Text helpers the settings file needs; exposed for their tests.
bool IsValidUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);

} // namespace qv
