#include "engine/tips/TipRowText.h"

#include <algorithm>
#include <optional>

namespace qv {

namespace {

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The length of the UTF-8 sequence at bytes[i], nothing when it is not valid UTF-8.
std::optional<std::size_t> Utf8SequenceLength(std::span<const std::uint8_t> bytes, std::size_t i) {
    const std::uint8_t lead = bytes[i];
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + length > bytes.size()) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((bytes[i + k] & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (bytes[i + k] & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return std::nullopt;
    }
    return length;
}

bool IsValidUtf8(std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::optional<std::size_t> length = Utf8SequenceLength(bytes, i);
        if (!length) {
            return false;
        }
        i += *length;
    }
    return true;
}

// The characters 0x80 to 0x9F of Windows-1252; the five unassigned bytes keep their value.
constexpr std::array<char32_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string FromWindows1252(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const std::uint8_t byte : bytes) {
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char32_t{byte});
    }
    return out;
}

std::string FromUtf16(std::span<const std::uint8_t> bytes, bool bigEndian) {
    std::string out;
    const auto unitAt = [&](std::size_t i) -> char32_t {
        return bigEndian ? (char32_t{bytes[i]} << 8) | bytes[i + 1] : (char32_t{bytes[i + 1]} << 8) | bytes[i];
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        // A lone surrogate is no character: it becomes the replacement character.
        AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? char32_t{0xFFFD} : unit);
    }
    return out;
}

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(const std::string& line) {
    const auto first = std::find_if_not(line.begin(), line.end(), IsControlOrBlank);
    const auto last = std::find_if_not(line.rbegin(), line.rend(), IsControlOrBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// The items of one line split at commas; see ParseTipRows.
std::vector<std::string> SplitItems(const std::string& text) {
    std::vector<std::string> items;
    std::size_t p = 0;
    const std::size_t end = text.size();
    const auto skipControls = [&] {
        while (p < end && IsControlOrBlank(text[p])) {
            ++p;
        }
    };
    skipControls();
    while (p < end) {
        std::string item;
        if (text[p] == '"') {
            // A quoted item runs to the next double quote; two quotes in a row stand for one.
            ++p;
            while (p < end) {
                if (text[p] == '"') {
                    if (p + 1 < end && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            const std::size_t start = p;
            while (p < end && !IsControlOrBlank(text[p]) && text[p] != ',') {
                ++p;
            }
            item = text.substr(start, p - start);
        }
        items.push_back(std::move(item));
        skipControls();
        if (p < end && text[p] == ',') {
            if (p + 1 == end) {
                items.emplace_back(); // a separator at the end leaves one more empty item
            }
            ++p;
            skipControls();
        }
    }
    return items;
}

} // namespace

std::string DecodeTextFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        const auto rest = bytes.subspan(3);
        // A mark that lies about the bytes after it is not trusted.
        return IsValidUtf8(rest) ? std::string(rest.begin(), rest.end()) : FromWindows1252(rest);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return FromUtf16(bytes.subspan(2), false);
    }
    if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return FromUtf16(bytes.subspan(2), true);
    }
    return IsValidUtf8(bytes) ? std::string(bytes.begin(), bytes.end()) : FromWindows1252(bytes);
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::vector<TipRowCells> ParseTipRows(const std::string& text) {
    std::vector<std::string> lines = SplitLines(text);
    bool hasSpace = false;
    bool hasSemicolon = false;
    for (std::string& line : lines) {
        line = Trimmed(line);
        hasSpace = hasSpace || line.find(' ') != std::string::npos;
    }
    if (hasSpace) {
        for (std::string& line : lines) {
            std::replace(line.begin(), line.end(), ' ', ',');
        }
    }
    for (const std::string& line : lines) {
        hasSemicolon = hasSemicolon || line.find(';') != std::string::npos;
    }
    if (hasSemicolon) {
        for (std::string& line : lines) {
            std::replace(line.begin(), line.end(), ';', ',');
        }
    }

    std::vector<TipRowCells> rows;
    for (const std::string& line : lines) {
        if (line.empty()) {
            continue;
        }
        TipRowCells cells;
        const std::vector<std::string> items = SplitItems(",,," + line);
        for (std::size_t column = 0; column < items.size() && column < cells.size(); ++column) {
            cells[column] = items[column].empty() ? std::string(" ") : items[column];
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace qv
