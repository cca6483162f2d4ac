#include "engine/evaluation/Evaluation.h"

#include "engine/core/DrawValidity.h"
#include "engine/core/GameTables.h"
#include "engine/evaluation/Payout.h"

#include <array>

namespace qv {

std::vector<ResultRow> EvaluateSlip(const TSchein& slip, std::span<const NumberSet> periodSets, int periodStart) {
    struct Field {
        int number;
        int kenoType;
        NumberSet set;
        std::array<float, kMaxKenoType + 1> winByHits;
    };
    const int stake = StakeEurosAt(slip.einsatz).value_or(0);
    std::vector<Field> fields;
    for (int f = 0; f < TSchein::kFields; ++f) {
        if (!slip.FieldUsed(f)) {
            continue;
        }
        Field field{f + 1, slip.kenotyp[f], slip.FieldSet(f), {}};
        // A field never has more than ten numbers to hit with, whatever its count byte says.
        for (int h = 0; h <= kMaxKenoType; ++h) {
            field.winByHits[h] = WinFor(field.kenoType, h, stake);
        }
        fields.push_back(field);
    }

    std::vector<ResultRow> rows;
    rows.reserve(fields.size() * periodSets.size());
    float total = 0;
    for (std::size_t k = 0; k < periodSets.size(); ++k) {
        const NumberSet& draw = periodSets[k];
        if (!IsValidDraw(draw)) {
            continue; // a record that holds no draw of the game wins nothing and costs nothing
        }
        bool first = true;
        for (const Field& field : fields) {
            const int hits = HitCount(field.set, draw);
            const float win = field.winByHits[hits];
            total += win;
            rows.push_back({periodStart + static_cast<int>(k), first, field.number, field.kenoType, hits, win, total});
            first = false;
        }
    }
    return rows;
}

EvaluationRun Evaluate(ProgramState& state, const EvaluationRequest& request) {
    EvaluationRun run;
    if (request.slipIndices.empty()) {
        run.refusal = kNothingToEvaluateText;
        return run;
    }
    const auto period = ResolvePeriod(request.fromPos, request.toPos, static_cast<int>(state.DrawList.size()));
    if (!period) {
        run.refusal = PeriodErrorText;
        return run;
    }
    BuildPeriodSets(state, period->first, period->extra);
    run.period = *period;
    run.singleDraw = state.PeriodSets.size() == 1;
    run.invalidDraws = CountInvalidDraws(state.PeriodSets);
    run.hitMarks = !request.toPos.has_value();
    run.results.reserve(request.slipIndices.size());
    for (int index : request.slipIndices) {
        SlipResult result;
        result.slipIndex = index;
        result.resultNumber = ++state.ResultTabCount;
        // A tab whose slip is not (or no longer) in the list shows its heading row only.
        if (index >= 0 && index < static_cast<int>(state.SlipList.size())) {
            const TSchein& slip = state.SlipList[static_cast<std::size_t>(index)];
            result.rows = EvaluateSlip(slip, state.PeriodSets, state.PeriodStart);
            result.balance = BalanceOf(slip, result.rows);
        }
        run.results.push_back(std::move(result));
    }
    return run;
}

ResultBalance BalanceOf(const TSchein& slip, std::span<const ResultRow> rows) {
    ResultBalance balance;
    balance.stake = static_cast<double>(StakeEurosAt(slip.einsatz).value_or(0)) * static_cast<double>(rows.size());
    for (const ResultRow& row : rows) {
        balance.won += static_cast<double>(row.win);
    }
    return balance;
}

std::vector<int> SlipsToEvaluate(int openTabs, int activeTab, bool all) {
    std::vector<int> slips;
    if (openTabs <= 0) {
        return slips;
    }
    if (!all) {
        if (activeTab >= 0 && activeTab < openTabs) {
            slips.push_back(activeTab);
        }
        return slips;
    }
    for (int t = 0; t < openTabs; ++t) {
        slips.push_back(t);
    }
    return slips;
}

bool IsHitMarked(bool hitMarks, std::span<const NumberSet> periodSets, int n) {
    return hitMarks && !periodSets.empty() && IsValidDraw(periodSets.front()) && periodSets.front().Contains(n);
}

} // namespace qv
