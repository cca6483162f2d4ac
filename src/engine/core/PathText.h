#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qv {

// A path as the UTF-8 text the program shows and builds names from, and such a text as a path. On
// Linux a path is the bytes of its name (UTF-8 there), taken as they are; on Windows it is UTF-16,
// converted (a plain std::string would be taken in the system's code page there, losing "Ü").
inline std::string PathText(const std::filesystem::path& path) {
#if defined(_WIN32)
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

inline std::filesystem::path PathFromText(std::string_view text) {
#if defined(_WIN32)
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return std::filesystem::path(text);
#endif
}

} // namespace qv
