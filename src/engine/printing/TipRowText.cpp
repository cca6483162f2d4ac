#include "engine/printing/TipRowText.h"

#include "engine/core/IniFile.h"

#include <algorithm>

namespace qv {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(std::string_view line) {
    std::size_t first = 0;
    std::size_t last = line.size();
    while (first < last && IsBlankOrControl(line[first])) {
        ++first;
    }
    while (last > first && IsBlankOrControl(line[last - 1])) {
        --last;
    }
    return std::string(line.substr(first, last - first));
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            if (i < text.size() || begin < text.size()) {
                lines.push_back(Trimmed(text.substr(begin, i - begin)));
            }
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') {
                ++i;
            }
            begin = i + 1;
        }
    }
    return lines;
}

// A quoted item: up to the closing quote, a doubled quote standing for one.
std::string QuotedItem(std::string_view text, std::size_t& p) {
    std::string item;
    ++p;
    while (p < text.size()) {
        if (text[p] == '"') {
            if (p + 1 < text.size() && text[p + 1] == '"') {
                item += '"';
                p += 2;
                continue;
            }
            ++p;
            break;
        }
        item += text[p++];
    }
    // Whatever follows the closing quote up to the next separator belongs to nothing.
    while (p < text.size() && !IsBlankOrControl(text[p]) && text[p] != ',') {
        ++p;
    }
    return item;
}

// The comma-separated items of text, read like a delimited list: control characters end an item and
// are skipped, a separator at the very end adds an empty item.
std::vector<std::string> Items(std::string_view text) {
    std::vector<std::string> items;
    std::size_t p = 0;
    const auto skipControls = [&] {
        while (p < text.size() && IsBlankOrControl(text[p])) {
            ++p;
        }
    };
    skipControls();
    while (p < text.size()) {
        if (text[p] == '"') {
            items.push_back(QuotedItem(text, p));
        } else {
            const std::size_t begin = p;
            while (p < text.size() && !IsBlankOrControl(text[p]) && text[p] != ',') {
                ++p;
            }
            items.emplace_back(text.substr(begin, p - begin));
        }
        skipControls();
        if (p < text.size() && text[p] == ',') {
            if (p + 1 == text.size()) {
                items.emplace_back();
            }
            ++p;
            skipControls();
        }
    }
    return items;
}

void ReplaceAll(std::vector<std::string>& lines, char from, char to) {
    for (std::string& line : lines) {
        std::replace(line.begin(), line.end(), from, to);
    }
}

bool AnyHolds(const std::vector<std::string>& lines, char c) {
    return std::any_of(lines.begin(), lines.end(),
                       [c](const std::string& line) { return line.find(c) != std::string::npos; });
}

} // namespace

std::vector<TipRowCells> ParseTipRowText(std::string_view bytes) {
    // A byte-order mark is dropped, but the bytes after it are still checked: a file saved with a mark
    // and then edited in another encoding must not hand broken UTF-8 on to the list and the printout.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::string text;
    if (IsValidUtf8(bytes)) {
        text = std::string(bytes);
    } else {
        text = Windows1252ToUtf8(bytes);
    }
    std::vector<std::string> lines = Lines(text);
    // Blanks first, then semicolons, each on its own: "5 12 33", "5;12;33" and "5,12,33" are one row.
    if (AnyHolds(lines, ' ')) {
        ReplaceAll(lines, ' ', ',');
    }
    if (AnyHolds(lines, ';')) {
        ReplaceAll(lines, ';', ',');
    }
    std::vector<TipRowCells> rows;
    for (const std::string& line : lines) {
        if (line.empty()) {
            continue;
        }
        TipRowCells cells;
        std::size_t column = 0;
        for (const std::string& item : Items(",,," + line)) {
            if (column >= cells.size()) {
                break;
            }
            cells[column++] = item.empty() ? std::string(" ") : item;
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace qv
