// A results text pasted into the winning-number window, or filtered on the command line.
#include "FuzzSupport.h"

#include "engine/core/TextEncoding.h"
#include "engine/draws/WinningNumberFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qv;
    // The window holds UTF-16: take the bytes as code units, as a paste may deliver anything.
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    const std::vector<std::u16string> tokens = FilterWinningNumbers(text);
    fuzz::Check(tokens.size() <= static_cast<std::size_t>(kNumberFields));
    NumberFields fields{};
    FillNumberFields(fields, tokens);
    const TransferPlan plan = PlanTransfer(fields);
    for (int n : plan.clicks) {
        fuzz::Check(n >= 1 && n <= 70);
    }
    for (const std::u16string& field : fields) {
        const auto button = NumberButtonFor(field);
        fuzz::Check(!button || (*button >= 1 && *button <= 70));
    }
    // The command line decodes a file's bytes first.
    fuzz::Check(IsValidUtf8(DecodeText(std::string_view(reinterpret_cast<const char*>(data), size))));
    return 0;
}
