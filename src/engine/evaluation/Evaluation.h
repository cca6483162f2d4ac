#pragma once

#include "engine/core/ProgramState.h"
#include "engine/core/Records.h"

#include <optional>
#include <span>
#include <vector>

namespace qv {

inline constexpr const char* kNothingToEvaluateText =
    "Es gibt nichts auszuwerten. Bitte laden Sie zunächst eine Datei mit Tippreihen (Spielschein-Datei).\r\r"
    "Ich breche erst einmal ab.";

// One row of a result grid: one non-empty field of a slip against one draw of the period.
struct ResultRow {
    int drawIndex = 0;       // index in DrawList
    bool blockStart = false; // first row of its draw's block: the row that shows the date
    int field = 0;           // 1 to 8
    int kenoType = 0;        // the field's kenotyp as stored
    int hits = 0;
    float win = 0;   // WinFor(kenoType, hits, stake)
    float total = 0; // running total of the slip's wins, single precision as shown
};

// The rows of one slip against the draws periodStart, periodStart+1, ... whose sets are periodSets:
// blocks per draw in date order, one row per non-empty field in field order. A stake index outside
// the table counts as a stake of 0 euros.
std::vector<ResultRow> EvaluateSlip(const TSchein& slip, std::span<const NumberSet> periodSets, int periodStart);

// What the user asked for when pressing "Auswerten".
struct EvaluationRequest {
    int fromPos = -1;             // position chosen in the from list; -1 for a text that names no entry
    std::optional<int> toPos;     // position in the to list when "bis:" is checked, else nothing
    std::vector<int> slipIndices; // entries of SlipList to evaluate, in tab order
};

// What a result tab sums up: the stake paid for every field in every draw evaluated, what was won,
// and the difference.
struct ResultBalance {
    double stake = 0;
    double won = 0;
    double Balance() const { return won - stake; }
};
// rows are the evaluation of slip (EvaluateSlip); each row is one field played in one draw.
ResultBalance BalanceOf(const TSchein& slip, std::span<const ResultRow> rows);

// One result tab to create.
struct SlipResult {
    int slipIndex = 0;    // entry of SlipList
    int resultNumber = 0; // n of "TabA"n and "frA"n
    std::vector<ResultRow> rows;
    ResultBalance balance;
};

struct EvaluationRun {
    const char* refusal = nullptr; // the error box to show; nothing else happened
    Period period;
    bool singleDraw = false; // title "Auswertung für den ..." rather than "... vom ... bis ..."
    bool hitMarks = false;   // new value of the slip grids' hit flag: true when "bis:" was not checked
    int invalidDraws = 0;    // draws of the period left out as invalid (InvalidDrawsNote)
    std::vector<SlipResult> results;
};

// The evaluation behind "Auswerten": refuses without slips (kNothingToEvaluateText) or with a bad
// period (PeriodErrorText), changing nothing; otherwise builds PeriodSets, counts ResultTabCount up
// once per slip and returns the rows of every slip.
EvaluationRun Evaluate(ProgramState& state, const EvaluationRequest& request);

// The slips one press of "Auswerten" evaluates: every open tab when "Sämtliche Dateien zusammen
// auswerten" is checked, only the active one otherwise (none when no tab is open).
std::vector<int> SlipsToEvaluate(int openTabs, int activeTab, bool all);

// Whether number n of a slip grid gets the light-green hit mark: only after an evaluation of a
// single draw, and only for the numbers of the first draw of the current period.
bool IsHitMarked(bool hitMarks, std::span<const NumberSet> periodSets, int n);

} // namespace qv
