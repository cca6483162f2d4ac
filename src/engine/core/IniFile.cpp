#include "engine/core/IniFile.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"

// Texts are UTF-8 bytes throughout; the reader converts Windows-1252 files itself.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <charconv>
#include <optional>

namespace qv {
namespace {

std::optional<int> ParseInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
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

// Loads the file as it is now; an absent file is an empty one.
void Load(const std::filesystem::path& path, CSimpleIniA& ini) {
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return;
    }
    std::string text(bytes->begin(), bytes->end());
    if (!IsValidUtf8(text)) {
        text = Windows1252ToUtf8(text);
    }
    if (ini.LoadData(text) < 0) {
        throw FileError(path, "Die Einstellungsdatei kann nicht gelesen werden.");
    }
}

void Save(const std::filesystem::path& path, const CSimpleIniA& ini) {
    std::string text;
    if (ini.Save(text) < 0) {
        throw FileError(path, "Die Einstellungsdatei kann nicht geschrieben werden.");
    }
    WriteFileSafely(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::optional<std::string> Lookup(const std::filesystem::path& path, const std::string& section,
                                  const std::string& key) {
    CSimpleIniA ini;
    Load(path, ini);
    const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

} // namespace

IniFile::IniFile(std::filesystem::path path)
    : m_path(std::move(path)) {}

bool IniFile::Exists() const {
    std::error_code ec;
    return std::filesystem::exists(m_path, ec);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const auto text = Lookup(m_path, section, key);
    return text ? ParseInteger(*text).value_or(defaultValue) : defaultValue;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return Lookup(m_path, section, key).value_or(defaultValue);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) const {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) const {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
    CSimpleIniA ini;
    Load(m_path, ini);
    if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) {
        throw FileError(m_path, "Der Wert kann nicht gesetzt werden.");
    }
    Save(m_path, ini);
}

void IniFile::EraseSection(const std::string& section) const {
    CSimpleIniA ini;
    Load(m_path, ini);
    if (ini.Delete(section.c_str(), nullptr)) {
        Save(m_path, ini);
    }
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1Fu;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0Fu;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        static constexpr std::uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
    // Code points of the bytes 0x80 to 0x9F; the five unassigned ones are kept as C1 controls.
    static constexpr std::uint16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        const std::uint32_t cp = c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

} // namespace qv
