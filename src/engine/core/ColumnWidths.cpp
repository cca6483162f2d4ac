#include "engine/core/ColumnWidths.h"

#include "engine/core/FileError.h"
#include "engine/core/IniFile.h"

#include <charconv>

namespace qv {

namespace {

std::string Key(const std::string& window, const std::string& grid) {
    return window + "." + grid;
}

int ParseWidth(std::string_view field) {
    while (!field.empty() && field.front() == ' ') {
        field.remove_prefix(1);
    }
    while (!field.empty() && field.back() == ' ') {
        field.remove_suffix(1);
    }
    int width = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), width);
    if (error != std::errc() || end != field.data() + field.size() || width < 1 || width > kMaxColumnWidth) {
        return 0;
    }
    return width;
}

} // namespace

std::vector<int> ParseColumnWidths(std::string_view text) {
    std::vector<int> widths;
    if (text.empty()) {
        return widths;
    }
    while (widths.size() < static_cast<std::size_t>(kMaxKeptColumns)) {
        const std::size_t comma = text.find(',');
        widths.push_back(ParseWidth(text.substr(0, comma)));
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    return widths;
}

std::string FormatColumnWidths(const std::vector<int>& widths) {
    std::string text;
    for (std::size_t column = 0; column < widths.size() && column < static_cast<std::size_t>(kMaxKeptColumns);
         ++column) {
        if (column > 0) {
            text += ',';
        }
        const int width = widths[column];
        text += std::to_string(width >= 1 && width <= kMaxColumnWidth ? width : 0);
    }
    return text;
}

std::vector<int> ReadColumnWidths(const IniFile& settings, const std::string& window, const std::string& grid) {
    try {
        return ParseColumnWidths(settings.ReadString(kColumnWidthSection, Key(window, grid), ""));
    } catch (const FileError&) {
        // The settings file is unreadable: the grid keeps the widths the program gives it; the file's
        // own readers tell the player.
        return {};
    }
}

void WriteColumnWidths(const IniFile& settings, const std::string& window, const std::string& grid,
                       const std::vector<int>& widths) {
    settings.WriteString(kColumnWidthSection, Key(window, grid), FormatColumnWidths(widths));
}

} // namespace qv
