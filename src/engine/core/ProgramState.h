#pragma once

#include "engine/core/NumberSet.h"
#include "engine/core/Records.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qv {

inline constexpr const char* ProductName = "Quovadra";
inline constexpr const char* ProductVersion = QV_VERSION; // from project(VERSION) in CMakeLists.txt
inline constexpr const char* VersionDate = "01.08.2024";

// Everything the program keeps for the whole run. The application owns one instance and hands it to
// the windows; tests build their own.
struct ProgramState {
    // Every draw in file order, the newest last. Grows when the user adds a draw.
    std::vector<TGewZahlen> DrawList;
    // Built once after loading (BuildDerivedArrays); they do not grow with DrawList, so a loop over
    // DrawList that uses them stops at their own length.
    std::vector<NumberSet> DrawSets;
    std::vector<TGZsort> SortedDraws;
    std::vector<std::uint8_t> RepeatCounts;

    // The number sets of the draws of the current evaluation period, and the index of its first draw.
    std::vector<NumberSet> PeriodSets;
    int PeriodStart = 0;

    // The slips of the main window's slip tabs: entry k-1 for the tab numbered k.
    std::vector<TSchein> SlipList;
    int SlipTabCount = 0;
    int ResultTabCount = 0;

    // Whether the slip grids mark the hits of the first draw of PeriodSets: set by each evaluation,
    // yes when it covered a single draw chosen without "bis:".
    bool SlipGridHitMarks = false;

    // The numbers marked on the main window's board.
    NumberSet MarkedNumbers;
    int MarkedCount = 0;

    // The two links to results pages that the winning-number window offers; empty when unset.
    std::string ResultLink1;
    std::string ResultLink2;

    // Pictures of grids taken so far; each opens in a window named "FAbbild" and its running number.
    int PictureCount = 0;

    std::filesystem::path DataFolder;
    std::filesystem::path ProgramFolder;
    std::filesystem::path ProbeFile;
};

// DrawSets, RepeatCounts (shared numbers with the draw before; entry 0 is 0) and SortedDraws.
void BuildDerivedArrays(ProgramState& state);

// The numbers of a draw ascending, read from its set (at most 20).
TGZsort SortedNumbers(const NumberSet& draw);

// PeriodStart = first and PeriodSets = the sets of the draws first .. first+extra (read from DrawList,
// so draws added while the program runs are seen).
void BuildPeriodSets(ProgramState& state, int first, int extra);

// An evaluation period: the draws first .. first+extra of DrawList.
struct Period {
    int first = 0;
    int extra = 0;
    int Last() const { return first + extra; }
    bool operator==(const Period&) const = default;
};

// The period rule that every window with a from list and a to list applies. Positions are indices in
// DrawList; -1 stands for a typed text that matches no entry. Without a to position (the "bis:" box
// cleared) the period is the single draw chosen in the from list. A to position before the from
// position, or a position that names no draw, is refused: the caller shows PeriodErrorText and
// changes nothing.
std::optional<Period> ResolvePeriod(int fromPos, std::optional<int> toPos, int drawCount);

inline constexpr const char* PeriodErrorText =
    "Bitte korrigieren Sie die Angaben für den Auswertungszeitraum.\r\rIch breche erst einmal ab.";

} // namespace qv
