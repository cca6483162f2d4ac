#include "engine/core/IniFile.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace qv {

// The file as lines. A line is a section heading "[Name]", a setting "Key=Value", or anything else
// (comments, blank lines, text that is neither), which is kept as it is.
struct IniFile::Document {
    struct Line {
        std::string text;    // the line as in the file, without its line end
        std::string section; // for a heading: its name; empty otherwise
        std::string key;     // for a setting: its key, trimmed; empty otherwise
        std::string value;   // for a setting: its value, trimmed
    };

    std::vector<Line> lines;
    std::string lineEnd = "\n";
    bool endsWithLineEnd = true;

    // The identity of the file the lines came from; nothing for a missing file.
    std::optional<FileStamp> stamp;
};

namespace {

using Document = IniFile::Document;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<int> ParseInteger(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

Document::Line ParseLine(std::string text) {
    Document::Line line;
    const std::string_view trimmed = Trim(text);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
        line.section = std::string(Trim(trimmed.substr(1, trimmed.size() - 2)));
    } else if (!trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#') {
        const auto equals = trimmed.find('=');
        if (equals != std::string_view::npos && equals > 0) {
            line.key = std::string(Trim(trimmed.substr(0, equals)));
            line.value = std::string(Trim(trimmed.substr(equals + 1)));
        }
    }
    line.text = std::move(text);
    return line;
}

Document Parse(std::string_view bytes) {
    Document document;
    const std::string text = DecodeText(bytes);
    if (text.empty()) {
        return document;
    }
    const auto firstEnd = text.find('\n');
    if (firstEnd != std::string::npos && firstEnd > 0 && text[firstEnd - 1] == '\r') {
        document.lineEnd = "\r\n";
    }
    document.endsWithLineEnd = text.back() == '\n';
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        document.lines.push_back(ParseLine(std::move(line)));
        pos = end + 1;
    }
    return document;
}

std::string Serialize(const Document& document) {
    std::string text;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        text += document.lines[i].text;
        if (i + 1 < document.lines.size() || document.endsWithLineEnd) {
            text += document.lineEnd;
        }
    }
    return text;
}

// The line of key in section; nothing when there is none.
std::optional<std::size_t> FindKey(const Document& document, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const auto& line = document.lines[i];
        if (!line.section.empty()) {
            inSection = SameName(line.section, section);
        } else if (inSection && !line.key.empty() && SameName(line.key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

void CheckName(const std::filesystem::path& path, const std::string& text, const std::string& what) {
    if (text.find_first_of("\r\n") != std::string::npos || text.find('\0') != std::string::npos) {
        throw FileError::SaveRefused(path, what + " enthält einen Zeilenumbruch oder ein Nullzeichen; in der "
                                                  "Einstellungsdatei würde daraus ein eigener Eintrag.");
    }
}

// Adds the setting line after the last setting of the section's first heading, or in a new section at
// the end.
void InsertSetting(Document& document, const std::string& section, const std::string& setting) {
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const auto& line = document.lines[i];
        if (!line.section.empty()) {
            if (insertAt) {
                break;
            }
            inSection = SameName(line.section, section);
            if (inSection) {
                insertAt = i + 1;
            }
        } else if (inSection && !line.key.empty()) {
            insertAt = i + 1;
        }
    }
    if (insertAt) {
        document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(*insertAt), ParseLine(setting));
        return;
    }
    if (!document.lines.empty()) {
        document.endsWithLineEnd = true;
        document.lines.push_back(ParseLine(""));
    }
    document.lines.push_back(ParseLine("[" + section + "]"));
    document.lines.push_back(ParseLine(setting));
    document.endsWithLineEnd = true;
}

} // namespace

IniFile::IniFile(std::filesystem::path path)
    : m_path(std::move(path))
    , m_cache(std::make_shared<Document>()) {}

bool IniFile::Exists() const {
    std::error_code ec;
    return std::filesystem::exists(m_path, ec);
}

const IniFile::Document& IniFile::Current() const {
    // The cache starts as a missing file's: a file that exists is read at the first access.
    std::optional<FileStamp> now = StampOf(m_path);
    if (now == m_cache->stamp) {
        return *m_cache;
    }
    const auto bytes = ReadWholeFile(m_path);
    Document fresh =
        bytes ? Parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size())) : Document{};
    fresh.stamp = now;
    *m_cache = std::move(fresh);
    return *m_cache;
}

void IniFile::Store(Document document) const {
    const std::string text = Serialize(document);
    WriteFileSafely(m_path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    document.stamp = StampOf(m_path);
    *m_cache = std::move(document);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const Document& document = Current();
    const auto line = FindKey(document, section, key);
    return line ? ParseInteger(document.lines[*line].value).value_or(defaultValue) : defaultValue;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const Document& document = Current();
    const auto line = FindKey(document, section, key);
    return line ? document.lines[*line].value : defaultValue;
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) const {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) const {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::CheckSetting(const std::string& section, const std::string& key, const std::string& value) const {
    CheckName(m_path, section, "Der Abschnittsname „" + section + "“");
    CheckName(m_path, key, "Der Schlüssel „" + key + "“");
    CheckName(m_path, value, "Der Wert für „" + key + "“");
    if (section.find(']') != std::string::npos || key.find('=') != std::string::npos || Trim(key) != key ||
        key.empty() || section.empty()) {
        throw FileError::SaveRefused(m_path, "„" + section + "“/„" + key + "“ ist kein gültiger Name.");
    }
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
    CheckSetting(section, key, value);
    const std::string stored(Trim(value));
    Document document = Current();
    if (const auto found = FindKey(document, section, key)) {
        auto& line = document.lines[*found];
        if (line.value == stored) {
            return; // nothing changes: the file is left alone
        }
        line = ParseLine(line.key + "=" + stored);
    } else {
        InsertSetting(document, section, key + "=" + stored);
    }
    Store(std::move(document));
}

namespace {

// Drops every heading of the section and the lines under it; false when there was none.
bool Erase(Document& document, const std::string& section) {
    bool inSection = false;
    bool erased = false;
    std::vector<Document::Line> kept;
    kept.reserve(document.lines.size());
    for (auto& line : document.lines) {
        if (!line.section.empty()) {
            inSection = SameName(line.section, section);
        }
        if (inSection) {
            erased = true;
        } else {
            kept.push_back(std::move(line));
        }
    }
    document.lines = std::move(kept);
    return erased;
}

} // namespace

void IniFile::EraseSection(const std::string& section) const {
    Document document = Current();
    if (Erase(document, section)) {
        Store(std::move(document));
    }
}

void IniFile::ReplaceSection(const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& settings) const {
    for (const auto& [key, value] : settings) {
        CheckSetting(section, key, value);
    }
    const Document& current = Current();
    Document document = current;
    Erase(document, section);
    for (const auto& [key, value] : settings) {
        InsertSetting(document, section, key + "=" + std::string(Trim(value)));
    }
    if (Serialize(document) != Serialize(current)) {
        Store(std::move(document));
    }
}

} // namespace qv
