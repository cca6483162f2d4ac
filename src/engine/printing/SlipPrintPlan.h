#pragma once

#include "engine/core/Records.h"
#include "engine/printing/DruckParameter.h"
#include "engine/tips/TipRowText.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// One print job as the print window holds it: the rows of its list and the texts of its fields.
struct PrintJob {
    std::vector<TipRowCells> rows; // list rows 1, 2, … (index 0 is row 1)
    std::string start;             // "Ausdruck ab Tippreihe:"; empty or "0" means 1
    std::string end;               // "bis Tippreihe:"; empty means the last row
    std::string startNumber;       // "Start-Nummer:"; the first slip's number, empty means 1
    bool printNumbers = true;      // "drucken": the slip number is printed
    std::string hori;              // correction in 0.1 mm, right; empty means 0
    std::string vert;              // correction in 0.1 mm, down; empty means 0
    // "Angaben für Textdatei-Druck": stake and draw-count box of every slip (indices into StakeEuros
    // and DrawCounts). Without it each slip takes them from its last row.
    struct BoxChoice {
        int stakeIndex = 0;
        int drawCountIndex = 0;
    };
    std::optional<BoxChoice> textChoice;
    bool rowsFromText = false; // the rows came from a text file, which carries no stakes or draws
};

// One "x" or slip number, its top left corner at a place on the paper in 0.1 mm.
struct PrintMark {
    std::string text;
    PaperPoint at;
    bool operator==(const PrintMark&) const = default;
};

// One paper slip: one print document of one sheet.
struct PrintedSlip {
    int number = 0;   // the slip number, printed or not
    int firstRow = 0; // list rows firstRow .. lastRow fill fields 1, 2, …
    int lastRow = 0;
    std::vector<PrintMark> marks;
};

// Why a job is refused before anything is printed.
struct PrintRefusal {
    enum class Kind {
        NothingToPrint,        // no rows, or row 1 has no draw count
        EndBeforeStart,        // end < start
        EndBeyondRows,         // end > the list's last row; row = the last row
        BadCorrection,         // text = the correction's text
        BadNumber,             // row, text = the cell that is no number from 1 to 70
        NoBoxes,               // row: the slip's last row holds no allowed stake or draw count
        TextRowsWithoutChoice, // row: as NoBoxes, for rows of a text file without the text-file choice
        MarkOffSheet,          // row = the sheet (1 for the job's first), text = the mark, at = its place
    };
    Kind kind;
    int row = 0;
    std::string text;
    PaperPoint at{};
    bool operator==(const PrintRefusal&) const = default;
};

// A rectangle on the paper in 0.1 mm from its top left corner; right and bottom are its far edges.
struct PaperRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PaperRect&) const = default;
};

// The sheet of paper of a DIN A4 page, whole.
inline constexpr PaperRect kA4Sheet{0, 0, 2100, 2970};

// How far a mark's text reaches from its top left corner (width, height) in 0.1 mm, as the marking
// font draws it.
using MarkExtent = std::function<PaperPoint(const std::string& text)>;

struct PrintPlan {
    int start = 0; // the range as printed, after empty texts were replaced
    int end = 0;
    std::vector<PrintedSlip> slips;
    std::optional<PrintRefusal> refusal; // set: nothing is printed and slips is empty
};

// The print-list rows of a slip, numbered on from rowsSoFar: one per field that holds numbers, with its
// draw count and stake (empty when the slip's index lies outside the tables) and its numbers.
std::vector<TipRowCells> SlipPrintRows(const TSchein& slip, int rowsSoFar);

// Whether the list offers nothing to print: no rows, or none in row 1's draw-count column.
bool NothingToPrint(const std::vector<TipRowCells>& rows);

// The range texts with their blanks filled: a start that is empty or "0" becomes "1", an empty end
// the number of rows.
struct RangeTexts {
    std::string start;
    std::string end;
};
RangeTexts FilledRange(const std::string& start, const std::string& end, std::size_t rowCount);

// Slips the range needs: 1 up to 8 rows, else the rows divided by 8 rounded up. Nothing while a text is
// empty or the end lies before the start.
std::optional<int> SlipsNeeded(const std::string& start, const std::string& end);

// Places every mark of the job. Rows start to end go eight to a slip, one per field in order; a row
// with an empty draw-count column leaves its field blank. Each number n of a row marks number n of its
// field, the slip's stake and draw count mark their boxes, and the slip number is printed at its
// place when asked for. Every mark lands at the set's position, scaled by the set's scale correction
// and shifted by the print window's correction (PlaceMark): X + hori to the right of and Y + vert below
// the paper's top left corner at 1000 per mille. Anything the set holds no position for refuses the
// whole job.
PrintPlan PlanPrint(const PrintJob& job, const TDruckParameter& set);

// The first mark of the plan that does not lie wholly inside the printable area of the paper: a printer
// would drop it or cut it off, and the slip would come out wrong. MarkOffSheet names the sheet, the
// mark and its place; nothing when every mark fits.
std::optional<PrintRefusal> MarkOutside(const std::vector<PrintedSlip>& slips, PaperRect printable,
                                        const MarkExtent& extent);

// The part of the paper the slip's boxes take up with the correction: the smallest rectangle around
// every place of the set (all numbers of the eight fields, the stake and draw-count boxes and the slip
// number) with a mark of markSize on it, widened by a margin of 5 mm. The preview draws it as the
// slip's outline.
PaperRect SlipOutline(const TDruckParameter& set, int hori, int vert, PaperPoint markSize);

// The integer of a list or field text: leading blanks ignored, 0 when it is no number.
int LeadingInteger(const std::string& text);

} // namespace qv
