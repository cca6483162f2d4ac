#pragma once

#include "engine/core/ProgramState.h"
#include "engine/core/Records.h"

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace qv {

// The draw entry of the main window: the board of 70 number buttons (MarkedNumbers, MarkedCount),
// adding the next day's draw and saving the marked numbers into a draw.

inline constexpr const char* kTwentyMarkedText =
    "Sie haben bereits zwanzig Zahlen gewählt!\r\rFür eine Änderung der Auswahl demarkieren Sie bitte "
    "zunächst eine der gewählten Zahlen.";
inline constexpr const char* kCompletePreviousText =
    "Bitte komplettieren Sie zunächst Ihre vorherigen Angaben.\r\rIch breche erst einmal ab.";
inline constexpr const char* kCompleteDrawText =
    "Bitte komplettieren Sie zunächst Ihre Angaben. Sie müssen 20 Gewinnzahlen wählen und die fünfstellige "
    "Zahl für Plus 5 eingeben.\r\rIch breche erst einmal ab.";

inline constexpr const char* kHistoryFullText =
    "Die Ziehungsdatei hält schon 100000 Ziehungen, mehr kann das Programm nicht lesen. Es wird keine neue "
    "Ziehung angelegt.\r\rIch breche erst einmal ab.";

enum class ClickOutcome {
    Marked,
    Unmarked,
    Refused, // twenty numbers are marked already: show kTwentyMarkedText, nothing changed
};

// A click on number button n (1 to 70): toggles its mark; a 21st mark is refused.
ClickOutcome ClickNumber(ProgramState& state, int n);

// The picture of the board header: every number unmarked.
void ClearBoard(ProgramState& state);

// Selecting a draw in the draw list: with at least two draws, clears the board and clicks the draw's
// positions 1 to 20 that lie in 1 to 70, in stored order (a number stored twice unmarks itself again).
// Returns false, leaving the board alone, when the history holds fewer than two draws.
bool ShowDrawOnBoard(ProgramState& state, int drawIndex);

// "Neue Zahlen". With an empty history the caller asks for the date of the first draw and passes it as
// firstDate; otherwise the new draw is dated one day after the newest.
struct NewDrawOutcome {
    const char* refusal = nullptr; // kCompletePreviousText: the newest draw is incomplete, nothing changed;
                                   // kHistoryFullText: the history holds kMaxDraws draws already
    bool needsFirstDate = false;   // no next date known (empty history, or the newest draw's date is no
                                   // calendar day) and no firstDate given: ask, then call again
    TDate date = 0;                // the new draw's date, for the draw list's new entry
};
NewDrawOutcome AddNextDraw(ProgramState& state, std::optional<TDate> firstDate = std::nullopt);

// The date the next "Neue Zahlen" gives: one day after the newest draw; nothing for an empty history
// or when that day would lie outside the calendar.
std::optional<TDate> NextDrawDate(const ProgramState& state);

// "Speichern": writes the 20 marked numbers ascending into draw drawIndex (positions 21 to 24 keep
// their bytes), dates every draw from listDates (the main window's draw list, one date per draw) and
// rewrites the draw file. A draw added by "Neue Zahlen" that is still empty and is not the one being
// saved is not written: it stays in memory until its own numbers are saved.
struct SaveOutcome {
    const char* refusal = nullptr;         // kCompleteDrawText: not exactly 20 numbers marked
    bool saved = false;                    // false also when drawIndex names no draw (nothing changed)
    std::optional<TDate> addToPeriodLists; // the date to append to the period lists, if any
};
// periodListCount is the number of entries the period lists hold; they receive the saved draw's date
// only when they do not list that draw yet, so a second save or the correction of an older draw
// appends nothing. Throws FileError when the file cannot be written (the draws in memory stay saved).
SaveOutcome SaveMarkedNumbers(ProgramState& state, int drawIndex, std::span<const TDate> listDates, int periodListCount,
                              const std::filesystem::path& drawFile);

// The marked numbers ascending (at most 20).
std::vector<int> MarkedNumbersAscending(const ProgramState& state);

} // namespace qv
