#include "engine/tools/QuickLinks.h"

#include "engine/core/SafeFile.h"

#include <algorithm>
#include <vector>

namespace qv {

namespace {

// The next line of text from position at, without its ending (CR LF, LF or a lone CR).
std::string NextLine(std::string_view text, std::size_t& at) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    std::string line(text.substr(at, end - at));
    at = end;
    if (at < text.size() && text[at] == '\r') {
        ++at;
    }
    if (at < text.size() && text[at] == '\n') {
        ++at;
    }
    return line;
}

std::string OneLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

} // namespace

bool IsWebLink(std::string_view link) {
    for (const std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
        if (StartsWithNoCase(link, scheme)) {
            const std::string_view rest = link.substr(scheme.size());
            return !rest.empty() && rest.front() != '/' && rest.front() != '?' && rest.front() != '#';
        }
    }
    return false;
}

QuickLinkLines ParseQuickLinks(std::string_view text) {
    QuickLinkLines lines;
    std::size_t at = 0;
    lines.link1 = NextLine(text, at);
    lines.link2 = NextLine(text, at);
    return lines;
}

std::string FormatQuickLinks(const QuickLinkLines& lines) {
    return OneLine(lines.link1) + "\r\n" + OneLine(lines.link2) + "\r\n";
}

std::optional<QuickLinkLines> ReadQuickLinks(const std::filesystem::path& path) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return ParseQuickLinks(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

void WriteQuickLinks(const std::filesystem::path& path, const QuickLinkLines& lines) {
    const std::string text = FormatQuickLinks(lines);
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    WriteFileSafely(path, bytes);
}

} // namespace qv
