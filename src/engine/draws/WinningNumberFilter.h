#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The winning-number window turns a pasted results text into the numbers of one draw. The text is
// UTF-16 as the text field holds it; the twenty number fields hold the tokens as text.
inline constexpr int kNumberFields = 20;
using NumberFields = std::array<std::u16string, kNumberFields>;

// Every run of ASCII digits "0".."9" in the text, in order, at most the first twenty. Anything else
// (letters, punctuation, line breaks, other scripts' digits) separates runs. Tokens are taken as they
// stand: no range check, no removal of leading zeros or duplicates, no sorting.
std::vector<std::u16string> FilterWinningNumbers(std::u16string_view text);

// Puts token k into field k; fields after the last token keep what they held.
void FillNumberFields(NumberFields& fields, const std::vector<std::u16string>& tokens);

// The automatic filter after a change of the text field runs when it is switched on and the text is
// longer than twenty code units.
constexpr bool AutoFilterRuns(bool autoFilterChecked, std::size_t textLength) {
    return autoFilterChecked && textLength > 20;
}

// The number button a field's text names: "1" to "70" written without leading zeros; nothing for any
// other text ("07", "0", "71", a five-digit number, blanks).
std::optional<int> NumberButtonFor(std::u16string_view fieldText);

// What "Übertragen" does with the fields, in field order: the numbers to click on the main window's
// board (once per non-empty field that names a button, so a number in two fields is clicked twice)
// and the texts of the non-empty fields that name no button, which are skipped.
struct TransferPlan {
    std::vector<int> clicks;
    std::vector<std::u16string> skipped;
};
TransferPlan PlanTransfer(const NumberFields& fields);

} // namespace qv
