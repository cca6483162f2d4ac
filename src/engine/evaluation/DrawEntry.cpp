#include "engine/evaluation/DrawEntry.h"

#include "engine/core/Dates.h"

#include "engine/core/DrawStore.h"
#include "engine/core/GameTables.h"

#include <algorithm>

namespace qv {

ClickOutcome ClickNumber(ProgramState& state, int n) {
    if (state.MarkedNumbers.Contains(n)) {
        state.MarkedNumbers.Remove(n);
        --state.MarkedCount;
        return ClickOutcome::Unmarked;
    }
    if (state.MarkedCount >= kNumbersPerDraw) {
        return ClickOutcome::Refused;
    }
    state.MarkedNumbers.Add(n);
    ++state.MarkedCount;
    return ClickOutcome::Marked;
}

void ClearBoard(ProgramState& state) {
    state.MarkedNumbers.Clear();
    state.MarkedCount = 0;
}

bool ShowDrawOnBoard(ProgramState& state, int drawIndex) {
    if (state.DrawList.size() < 2 || drawIndex < 0 || drawIndex >= static_cast<int>(state.DrawList.size())) {
        return false;
    }
    ClearBoard(state);
    const TGewZahlen& draw = state.DrawList[static_cast<std::size_t>(drawIndex)];
    for (int p = 0; p < kNumbersPerDraw; ++p) {
        const int n = draw.GZ[p];
        if (n >= 1 && n <= kNumbersInGame) {
            ClickNumber(state, n);
        }
    }
    return true;
}

std::optional<TDate> NextDrawDate(const ProgramState& state) {
    if (state.DrawList.empty() || !IsCalendarDay(state.DrawList.back().datum + 1)) {
        return std::nullopt;
    }
    return state.DrawList.back().datum + 1;
}

NewDrawOutcome AddNextDraw(ProgramState& state, std::optional<TDate> firstDate) {
    NewDrawOutcome outcome;
    if (!state.DrawList.empty() && !state.DrawList.back().IsComplete()) {
        outcome.refusal = kCompletePreviousText;
        return outcome;
    }
    // A draw file with one more could not be read again.
    static_assert(kMaxDraws == 100000, "kHistoryFullText names the limit");
    if (state.DrawList.size() >= kMaxDraws) {
        outcome.refusal = kHistoryFullText;
        return outcome;
    }
    // After a newest draw whose date is no calendar day the player names the date, as for the first draw.
    const auto next = NextDrawDate(state) ? NextDrawDate(state) : firstDate;
    if (!next) {
        outcome.needsFirstDate = true;
        return outcome;
    }
    ClearBoard(state);
    // The new draw's date lives in the draw list until the save writes it into the record.
    state.DrawList.push_back(TGewZahlen{});
    outcome.date = *next;
    return outcome;
}

std::vector<int> MarkedNumbersAscending(const ProgramState& state) {
    std::vector<int> numbers;
    state.MarkedNumbers.ForEach([&numbers](int n) {
        if (n >= 1 && n <= kNumbersInGame) {
            numbers.push_back(n);
        }
    });
    return numbers;
}

SaveOutcome SaveMarkedNumbers(ProgramState& state, int drawIndex, std::span<const TDate> listDates, int periodListCount,
                              const std::filesystem::path& drawFile) {
    SaveOutcome outcome;
    const std::vector<int> numbers = MarkedNumbersAscending(state);
    if (state.MarkedCount != kNumbersPerDraw || numbers.size() != kNumbersPerDraw) {
        outcome.refusal = kCompleteDrawText;
        return outcome;
    }
    const int count = static_cast<int>(state.DrawList.size());
    if (drawIndex < 0 || drawIndex >= count || listDates.size() != state.DrawList.size()) {
        return outcome;
    }
    TGewZahlen& draw = state.DrawList[static_cast<std::size_t>(drawIndex)];
    std::copy(numbers.begin(), numbers.end(), draw.GZ.begin());
    for (std::size_t j = 0; j < state.DrawList.size(); ++j) {
        state.DrawList[j].datum = listDates[j];
    }

    // An empty draw just added by "Neue Zahlen" has no numbers yet: writing it would put a draw
    // without numbers into the history, so it waits for its own save.
    std::span<const TGewZahlen> toWrite(state.DrawList);
    const TGewZahlen& newest = state.DrawList.back();
    const bool newestEmpty =
        std::all_of(newest.GZ.begin(), newest.GZ.begin() + kNumbersPerDraw, [](std::uint8_t n) { return n == 0; });
    if (drawIndex != count - 1 && newestEmpty) {
        toWrite = toWrite.first(toWrite.size() - 1);
    }
    if (drawIndex >= periodListCount) {
        outcome.addToPeriodLists = listDates[static_cast<std::size_t>(drawIndex)];
    }
    SaveDraws(drawFile, toWrite);
    outcome.saved = true;
    return outcome;
}

} // namespace qv
