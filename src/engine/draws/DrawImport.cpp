#include "engine/draws/DrawImport.h"

#include "engine/core/Dates.h"
#include "engine/core/GameTables.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace qv {
namespace {

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    const auto isSeparator = [](char c) { return c == ';' || c == ',' || c == '\t' || c == ' ' || c == '\r'; };
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) {
            ++i;
        }
        if (i > start) {
            fields.push_back(line.substr(start, i - start));
        }
    }
    return fields;
}

std::optional<int> ParseNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool HasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

// The problem of one line's fields, or the draw they make.
// dated tells whether the line's date was read (day 0 is a real day, 30.12.1899, not a marker).
std::string CheckLine(const std::vector<std::string_view>& fields, std::optional<TDate> previous, TGewZahlen& draw,
                      bool& dated) {
    const auto date = ParseFixedDate(fields[0]);
    if (!date) {
        return "ungültiges Datum \"" + std::string(fields[0]) + "\"";
    }
    draw.datum = ToTDate(*date);
    dated = true;
    if (previous && draw.datum <= *previous) {
        return "Datum " + std::string(fields[0]) + " liegt nicht nach dem der Zeile davor";
    }
    const std::size_t count = fields.size() - 1;
    if (count != kNumbersPerDraw) {
        return std::to_string(count) + " Zahlen statt 20";
    }
    NumberSet seen;
    for (std::size_t p = 0; p < kNumbersPerDraw; ++p) {
        const auto n = ParseNumber(fields[p + 1]);
        if (!n || *n < 1 || *n > kNumbersInGame) {
            return "Zahl \"" + std::string(fields[p + 1]) + "\" liegt nicht zwischen 1 und 70";
        }
        if (seen.Contains(*n)) {
            return "Zahl " + std::to_string(*n) + " steht zweimal";
        }
        seen.Add(*n);
        draw.GZ[p] = static_cast<std::uint8_t>(*n);
    }
    return {};
}

} // namespace

DrawImport ParseDrawHistory(std::string_view text) {
    DrawImport result;
    std::optional<TDate> previous;
    bool firstContentLine = true;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (lineNo == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);
        }
        const auto fields = SplitFields(line);
        if (fields.empty()) {
            continue;
        }
        // A heading names its columns: it starts with a word. A first line that starts like a date and
        // is none is a damaged draw, reported as such.
        const bool header =
            firstContentLine && !std::isdigit(static_cast<unsigned char>(fields[0].front())) && HasLetter(line);
        firstContentLine = false;
        if (header) {
            result.skipped.push_back({lineNo, "als Überschrift übersprungen"});
            continue;
        }
        TGewZahlen draw;
        bool dated = false;
        std::string problem = CheckLine(fields, previous, draw, dated);
        if (!problem.empty()) {
            result.problems.push_back({lineNo, std::move(problem)});
        } else {
            result.draws.push_back(draw);
        }
        if (dated) {
            previous = draw.datum;
        }
    }
    return result;
}

} // namespace qv
