#include "engine/draws/WinningNumberFilter.h"

namespace qv {

std::vector<std::u16string> FilterWinningNumbers(std::u16string_view text) {
    std::vector<std::u16string> tokens;
    std::u16string current;
    const auto finish = [&] {
        if (!current.empty()) {
            tokens.push_back(std::move(current));
            current.clear();
        }
    };
    for (char16_t c : text) {
        if (tokens.size() == kNumberFields) {
            break;
        }
        if (c >= u'0' && c <= u'9') {
            current.push_back(c);
        } else {
            finish();
        }
    }
    if (tokens.size() < kNumberFields) {
        finish();
    }
    return tokens;
}

void FillNumberFields(NumberFields& fields, const std::vector<std::u16string>& tokens) {
    for (std::size_t k = 0; k < tokens.size() && k < fields.size(); ++k) {
        fields[k] = tokens[k];
    }
}

std::optional<int> NumberButtonFor(std::u16string_view fieldText) {
    if (fieldText.empty() || fieldText.size() > 2 || fieldText.front() == u'0') {
        return std::nullopt;
    }
    int n = 0;
    for (char16_t c : fieldText) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        n = n * 10 + (c - u'0');
    }
    if (n < 1 || n > 70) {
        return std::nullopt;
    }
    return n;
}

TransferPlan PlanTransfer(const NumberFields& fields) {
    TransferPlan plan;
    for (const std::u16string& text : fields) {
        if (text.empty()) {
            continue;
        }
        if (const auto n = NumberButtonFor(text)) {
            plan.clicks.push_back(*n);
        } else {
            plan.skipped.push_back(text);
        }
    }
    return plan;
}

} // namespace qv
