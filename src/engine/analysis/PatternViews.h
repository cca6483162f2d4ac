#pragma once

#include "engine/core/NumberSet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qv {

// The colours of the repeater view and the pattern view, RGB as 0xRRGGBB. Both views show the whole
// history, one row per draw; their colours depend only on the draws, never on what was painted before.
// The draws come as CountableDrawSets gives them: a record that holds no draw of the game is the empty
// set, so it repeats nothing and nothing repeats it, and the draw after it starts afresh.

inline constexpr std::uint32_t kPlainCellColour = 0xFFFFFF;
inline constexpr std::uint32_t kMarkedNumberColour = 0x00FF00;
inline constexpr std::uint32_t kNewNumberColour = 0xF0F000;

// By how many draws in a row a number has repeated: entry j-1 for j repeats, the last for 10 or more.
inline constexpr std::array<std::uint32_t, 10> RepeatRunColours = {
    0xAAFFAA, 0x00E600, 0x005300, 0xC0E0FA, 0x54AAF1, 0x0E64AB, 0xFF91FF, 0xFF2FFF, 0x9F009F, 0xFF0000,
};

// The "Wdh" column by a draw's count of repeaters, 0 to 20: grey for few, white, olive for many.
inline constexpr std::array<std::uint32_t, 21> RepeatCountColours = {
    0x5F5F5F, 0x888888, 0xBEBEBE, 0xE0E0E0, 0xF8F8F8, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFF22, 0xEAEA00, 0xBFBF00,
    0x9F9F00, 0x8A8A00, 0x8A8A00, 0x8A8A00, 0x8A8A00, 0x8A8A00, 0x8A8A00, 0x8A8A00, 0x8A8A00, 0x8A8A00,
};

// Whether the repeater view marks number n in draw d: from the second draw on, either every number
// ending in finalDigit (when markFinalDigit) or every number the previous draw also holds.
bool RepeaterViewMarks(std::span<const NumberSet> drawSets, int d, int n, bool markFinalDigit, int finalDigit);

// The runs behind the pattern view: entry [d][n-1] counts the draws in a row, ending with draw d, that
// hold n (0 when d does not hold n, 1 when it is new against draw d-1). Counting stops at 11, which
// already gives the colour of ten and more repeats.
using RunLengths = std::vector<std::array<std::uint8_t, 70>>;
RunLengths PatternRunLengths(std::span<const NumberSet> drawSets);

// The "Wdh" entry of draw d: how many numbers it shares with draw d-1. Nothing for the first draw, for
// a record that holds no draw (an empty set) and for the draw after one: none of them has a draw
// before it to be compared with.
std::optional<int> RepeatCountOf(std::span<const NumberSet> drawSets, std::size_t d);

// The colour of a pattern-view cell from its run length.
constexpr std::uint32_t PatternCellColour(int runLength) {
    if (runLength <= 0) {
        return kPlainCellColour;
    }
    if (runLength == 1) {
        return kNewNumberColour;
    }
    const int repeats = runLength - 1 < 10 ? runLength - 1 : 10;
    return RepeatRunColours[static_cast<std::size_t>(repeats - 1)];
}

// The colour of a "Wdh" cell for a draw with count repeaters (white outside 0 to 20).
constexpr std::uint32_t RepeatCountColour(int count) {
    return count >= 0 && count <= 20 ? RepeatCountColours[static_cast<std::size_t>(count)] : kPlainCellColour;
}

} // namespace qv
