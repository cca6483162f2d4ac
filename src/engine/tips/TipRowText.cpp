#include "engine/tips/TipRowText.h"

#include "engine/core/FileError.h"
#include "engine/core/SafeFile.h"
#include "engine/core/TextEncoding.h"

#include <algorithm>

namespace qv {

namespace {

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(const std::string& line) {
    const auto first = std::find_if_not(line.begin(), line.end(), IsControlOrBlank);
    const auto last = std::find_if_not(line.rbegin(), line.rend(), IsControlOrBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// A quoted item from the opening quote at text[p] to the next double quote, two quotes in a row
// standing for one; p ends after the closing quote (at the end of text when there is none).
std::string QuotedItem(const std::string& text, std::size_t& p) {
    std::string item;
    ++p;
    while (p < text.size()) {
        if (text[p] != '"') {
            item += text[p++];
        } else if (p + 1 < text.size() && text[p + 1] == '"') {
            item += '"';
            p += 2;
        } else {
            ++p;
            break;
        }
    }
    return item;
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
        if (text[p] == '"') {
            items.push_back(QuotedItem(text, p));
        } else {
            const std::size_t start = p;
            while (p < end && !IsControlOrBlank(text[p]) && text[p] != ',') {
                ++p;
            }
            items.push_back(text.substr(start, p - start));
        }
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

FileError TooLargeForTipRows(const std::filesystem::path& path, std::uint64_t size) {
    return FileError(path, "Die Datei " + Quoted(path) + " ist mit " + std::to_string(size) +
                               " Bytes zu groß für eine Liste von Tippreihen (höchstens " +
                               std::to_string(kMaxTipRowFileBytes) + " Bytes); es wurde nichts gelesen.");
}

} // namespace

std::string DecodeTextFile(std::span<const std::uint8_t> bytes) {
    return DecodeText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
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

void DropTrailingEmptyRows(std::vector<TipRowCells>& rows) {
    const auto noNumbers = [](const TipRowCells& cells) {
        return std::all_of(cells.begin() + kFirstNumberColumn, cells.end(),
                           [](const std::string& cell) { return Trimmed(cell).empty(); });
    };
    while (rows.size() > 1 && noNumbers(rows.back())) {
        rows.pop_back();
    }
}

std::vector<TipRowCells> TipRowsFromBytes(std::span<const std::uint8_t> bytes, const std::filesystem::path& path) {
    if (bytes.size() > kMaxTipRowFileBytes) {
        throw TooLargeForTipRows(path, bytes.size());
    }
    const std::string text = DecodeTextFile(bytes);
    // Counted before any row is made: the rows take far more memory than the text.
    std::size_t rows = 0;
    bool blankSoFar = true;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            blankSoFar = true;
        } else if (blankSoFar && !IsControlOrBlank(c)) {
            blankSoFar = false;
            ++rows;
        }
    }
    if (rows > kMaxTipRows) {
        throw FileError(path, "Die Datei " + Quoted(path) + " hält mehr als " + std::to_string(kMaxTipRows) +
                                  " Tippreihen, zu viele für eine Liste von Tippreihen; es wurde nichts gelesen.");
    }
    std::vector<TipRowCells> parsed = ParseTipRows(text);
    DropTrailingEmptyRows(parsed);
    return parsed;
}

std::optional<std::vector<TipRowCells>> ReadTipRowFile(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxTipRowFileBytes) {
        throw TooLargeForTipRows(path, size);
    }
    const auto bytes = ReadWholeFile(path, kMaxTipRowFileBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return TipRowsFromBytes(*bytes, path);
}

} // namespace qv
