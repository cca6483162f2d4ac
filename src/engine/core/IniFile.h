#pragma once

#include "engine/core/TextEncoding.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

// The settings file "Einstellungen.qvo": a plain INI file. Every write reaches the file at once
// through the safe save; a read parses the file only when it changed since the last access (its size,
// times and identity are compared), so reading many keys stays cheap.
// Section and key names are matched without regard to case (the first of several equal keys counts).
// A write changes only the line of its key: other sections, comments, the order of lines and lines
// that are no setting at all (even ones holding NUL bytes) are kept byte for byte. The file is written
// in UTF-8; one with a UTF-16 byte-order mark is read as UTF-16, one that is not valid UTF-8 as
// Windows-1252. A missing file or key gives the default. A file that cannot be read throws FileError on
// every access and is never rewritten; a failed write throws FileError naming the file, which then
// stays whole. Values, keys and sections holding a line break are refused (FileError): they would
// become keys of their own.
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
    // Replaces the whole section by these settings (key, value) in one save: a failure leaves the old
    // section whole. An empty list erases it.
    void ReplaceSection(const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& settings) const;

    struct Document;

private:
    const Document& Current() const;
    void CheckSetting(const std::string& section, const std::string& key, const std::string& value) const;
    void Store(Document document) const;

    std::filesystem::path m_path;
    std::shared_ptr<Document> m_cache;
};

inline constexpr const char* kSettingsFileName = "Einstellungen.qvo";

} // namespace qv
