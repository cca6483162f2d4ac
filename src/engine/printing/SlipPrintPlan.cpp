#include "engine/printing/SlipPrintPlan.h"

#include "engine/core/GameTables.h"
#include "engine/core/SlipRows.h"

#include <algorithm>
#include <cstdint>

namespace qv {
namespace {

constexpr int kFieldsPerSlip = 8;

std::optional<int> CellInteger(const std::string& text) {
    const auto value = ParseEditorInteger(text);
    return value ? std::optional<int>(*value) : std::nullopt;
}

// The stake and draw-count box indices a slip's last row names; nothing when either is not allowed.
std::optional<PrintJob::BoxChoice> BoxesOfRow(const TipRowCells& row) {
    const auto draws = CellInteger(row[1]);
    const auto stake = CellInteger(row[2]);
    if (!draws || !stake || DrawCountIndexOf(*draws) < 0 || StakeIndexOf(*stake) < 0) {
        return std::nullopt;
    }
    return PrintJob::BoxChoice{StakeIndexOf(*stake), DrawCountIndexOf(*draws)};
}

// The correction of every mark's position, in 0.1 mm.
struct Shift {
    int hori = 0;
    int vert = 0;
};

// The crosses for the numbers of the slip's rows (a row without a draw count stays empty); the refusal
// of the first cell that holds no number of the game.
std::optional<PrintRefusal> MarkNumbers(const PrintJob& job, const TDruckParameter& set, Shift shift,
                                        PrintedSlip& slip) {
    for (int row = slip.firstRow; row <= slip.lastRow; ++row) {
        const TipRowCells& cells = job.rows[static_cast<std::size_t>(row - 1)];
        if (cells[1].empty()) {
            continue;
        }
        const int field = row - slip.firstRow + 1;
        for (int column = kFirstNumberColumn; column < kTipRowColumns; ++column) {
            const std::string& cell = cells[static_cast<std::size_t>(column)];
            if (cell.empty()) {
                continue;
            }
            const auto n = CellInteger(cell);
            if (!n || *n < 1 || *n > kNumbersInGame) {
                return PrintRefusal{PrintRefusal::Kind::BadNumber, row, cell, {}};
            }
            slip.marks.push_back({"x", PlaceMark(set, set.Number(field, *n), shift.hori, shift.vert)});
        }
    }
    return std::nullopt;
}

// The crosses for stake and draw count (the text file's choice, else the slip's last row) and the
// slip number when it is printed; the refusal when the boxes are not known.
std::optional<PrintRefusal> MarkBoxes(const PrintJob& job, const TDruckParameter& set, Shift shift, PrintedSlip& slip) {
    std::optional<PrintJob::BoxChoice> boxes = job.textChoice;
    if (!boxes) {
        boxes = BoxesOfRow(job.rows[static_cast<std::size_t>(slip.lastRow - 1)]);
        if (!boxes) {
            return PrintRefusal{job.rowsFromText ? PrintRefusal::Kind::TextRowsWithoutChoice
                                                 : PrintRefusal::Kind::NoBoxes,
                                slip.lastRow,
                                {},
                                {}};
        }
    }
    const auto stakeAt = static_cast<std::size_t>(std::clamp(boxes->stakeIndex, 0, 5));
    const auto drawsAt = static_cast<std::size_t>(std::clamp(boxes->drawCountIndex, 0, 4));
    slip.marks.push_back({"x", PlaceMark(set, set.einsatzPos[stakeAt], shift.hori, shift.vert)});
    slip.marks.push_back({"x", PlaceMark(set, set.ziehungenPos[drawsAt], shift.hori, shift.vert)});
    if (job.printNumbers) {
        slip.marks.push_back(
            {std::to_string(slip.number), PlaceMark(set, {set.scheinNrX, set.scheinNrY}, shift.hori, shift.vert)});
    }
    return std::nullopt;
}

PrintPlan Refused(PrintPlan plan, PrintRefusal::Kind kind, int row = 0, std::string text = {}) {
    plan.slips.clear();
    plan.refusal = PrintRefusal{kind, row, std::move(text), {}};
    return plan;
}

// The far edge of a mark's text, without overflow for any place a set may hold.
std::int64_t FarEdge(std::int32_t at, std::int32_t extent) {
    return static_cast<std::int64_t>(at) + std::max(extent, 0);
}

} // namespace

std::optional<PrintRefusal> MarkOutside(const std::vector<PrintedSlip>& slips, PaperRect printable,
                                        const MarkExtent& extent) {
    for (std::size_t sheet = 0; sheet < slips.size(); ++sheet) {
        for (const PrintMark& mark : slips[sheet].marks) {
            const PaperPoint size = extent(mark.text);
            const bool inside = mark.at.x >= printable.left && mark.at.y >= printable.top &&
                                FarEdge(mark.at.x, size.x) <= printable.right &&
                                FarEdge(mark.at.y, size.y) <= printable.bottom;
            if (!inside) {
                return PrintRefusal{PrintRefusal::Kind::MarkOffSheet, static_cast<int>(sheet) + 1, mark.text, mark.at};
            }
        }
    }
    return std::nullopt;
}

PaperRect SlipOutline(const TDruckParameter& set, int hori, int vert, PaperPoint markSize) {
    constexpr std::int32_t kMargin = 50;
    std::vector<PaperPoint> places;
    for (int field = 1; field <= TDruckParameter::kFields; ++field) {
        for (int n = 1; n <= TDruckParameter::kNumbers; ++n) {
            places.push_back(set.Number(field, n));
        }
    }
    places.insert(places.end(), set.einsatzPos.begin(), set.einsatzPos.end());
    places.insert(places.end(), set.ziehungenPos.begin(), set.ziehungenPos.end());
    places.push_back({set.scheinNrX, set.scheinNrY});
    std::int64_t left = INT64_MAX;
    std::int64_t top = INT64_MAX;
    std::int64_t right = INT64_MIN;
    std::int64_t bottom = INT64_MIN;
    for (const PaperPoint& place : places) {
        const PaperPoint at = PlaceMark(set, place, hori, vert);
        left = std::min<std::int64_t>(left, at.x);
        top = std::min<std::int64_t>(top, at.y);
        right = std::max(right, FarEdge(at.x, markSize.x));
        bottom = std::max(bottom, FarEdge(at.y, markSize.y));
    }
    const auto clamped = [](std::int64_t value) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return {clamped(left - kMargin), clamped(top - kMargin), clamped(right + kMargin), clamped(bottom + kMargin)};
}

std::vector<TipRowCells> SlipPrintRows(const TSchein& slip, int rowsSoFar) {
    std::vector<TipRowCells> rows;
    for (const SlipRow& row : SlipRows(slip, rowsSoFar)) {
        TipRowCells cells;
        cells[0] = std::to_string(row.rowNumber);
        cells[1] = row.drawCount ? std::to_string(*row.drawCount) : std::string();
        cells[2] = row.stakeEuros ? std::to_string(*row.stakeEuros) : std::string();
        for (std::size_t i = 0; i < row.numbers.size() && 3 + i < cells.size(); ++i) {
            cells[3 + i] = std::to_string(row.numbers[i]);
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

int LeadingInteger(const std::string& text) {
    const auto value = ParseEditorInteger(text);
    return value ? *value : 0;
}

bool NothingToPrint(const std::vector<TipRowCells>& rows) {
    return rows.empty() || rows.front()[1].empty();
}

RangeTexts FilledRange(const std::string& start, const std::string& end, std::size_t rowCount) {
    const bool noStart = start.empty() || start == "0";
    return {noStart ? std::string(1, '1') : start, end.empty() ? std::to_string(rowCount) : end};
}

std::optional<int> SlipsNeeded(const std::string& start, const std::string& end) {
    if (start.empty() || end.empty()) {
        return std::nullopt;
    }
    const int first = LeadingInteger(start);
    const int last = LeadingInteger(end);
    if (last < first) {
        return std::nullopt;
    }
    const long long rows = static_cast<long long>(last) - first + 1;
    return rows <= kFieldsPerSlip ? 1 : static_cast<int>((rows + kFieldsPerSlip - 1) / kFieldsPerSlip);
}

PrintPlan PlanPrint(const PrintJob& job, const TDruckParameter& set) {
    PrintPlan plan;
    if (NothingToPrint(job.rows)) {
        return Refused(plan, PrintRefusal::Kind::NothingToPrint);
    }
    const RangeTexts range = FilledRange(job.start, job.end, job.rows.size());
    plan.start = LeadingInteger(range.start);
    plan.end = LeadingInteger(range.end);
    if (plan.end < plan.start) {
        return Refused(plan, PrintRefusal::Kind::EndBeforeStart);
    }
    const int rowCount = static_cast<int>(job.rows.size());
    if (plan.end > rowCount) {
        return Refused(plan, PrintRefusal::Kind::EndBeyondRows, rowCount);
    }
    plan.start = std::max(plan.start, 1);
    std::optional<int> hori = job.hori.empty() ? 0 : CellInteger(job.hori);
    if (!hori) {
        return Refused(plan, PrintRefusal::Kind::BadCorrection, 0, job.hori);
    }
    std::optional<int> vert = job.vert.empty() ? 0 : CellInteger(job.vert);
    if (!vert) {
        return Refused(plan, PrintRefusal::Kind::BadCorrection, 0, job.vert);
    }

    // The number before the first slip's: one less than the start number, 0 without one.
    long long number = job.startNumber.empty() ? 0 : static_cast<long long>(LeadingInteger(job.startNumber)) - 1;
    for (int first = plan.start; first <= plan.end; first += kFieldsPerSlip) {
        PrintedSlip slip;
        slip.number = static_cast<int>(std::clamp<long long>(++number, INT32_MIN, INT32_MAX));
        slip.firstRow = first;
        slip.lastRow = std::min(first + kFieldsPerSlip - 1, plan.end);
        const Shift shift{*hori, *vert};
        std::optional<PrintRefusal> refusal = MarkNumbers(job, set, shift, slip);
        if (!refusal) {
            refusal = MarkBoxes(job, set, shift, slip);
        }
        if (refusal) {
            return Refused(plan, refusal->kind, refusal->row, refusal->text);
        }
        plan.slips.push_back(std::move(slip));
    }
    return plan;
}

} // namespace qv
