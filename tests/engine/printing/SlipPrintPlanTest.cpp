#include "engine/printing/SlipPrintPlan.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>

namespace qv {
namespace {

// A set whose positions tell where a mark came from: number n of field f at (1000·f + n, 10·n),
// stake box i at (5000 + i, 0), draw box i at (6000 + i, 0), the slip number at (7000, 7000).
TDruckParameter Telling() {
    TDruckParameter set;
    for (int f = 1; f <= 8; ++f) {
        for (int n = 1; n <= 70; ++n) {
            set.feldPos[static_cast<std::size_t>(f - 1)][static_cast<std::size_t>(n - 1)] = {1000 * f + n, 10 * n};
        }
    }
    for (int i = 0; i < 6; ++i) {
        set.einsatzPos[static_cast<std::size_t>(i)] = {5000 + i, 0};
    }
    for (int i = 0; i < 5; ++i) {
        set.ziehungenPos[static_cast<std::size_t>(i)] = {6000 + i, 0};
    }
    set.scheinNrX = 7000;
    set.scheinNrY = 7000;
    return set;
}

TipRowCells Row(int number, const std::string& draws, const std::string& stake, std::vector<std::string> numbers) {
    TipRowCells cells;
    cells[0] = std::to_string(number);
    cells[1] = draws;
    cells[2] = stake;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        cells[3 + i] = numbers[i];
    }
    return cells;
}

// count rows of two numbers each: row r holds r and 70 - r; draws 7 and stake 2 € (row 9 on: 14, 10 €).
std::vector<TipRowCells> Rows(int count) {
    std::vector<TipRowCells> rows;
    for (int r = 1; r <= count; ++r) {
        rows.push_back(Row(r, r < 9 ? "7" : "14", r < 9 ? " 2" : "10", {std::to_string(r), std::to_string(70 - r)}));
    }
    return rows;
}

PrintJob Job(std::vector<TipRowCells> rows, std::string start = "1", std::string end = "") {
    PrintJob job;
    job.rows = std::move(rows);
    job.start = std::move(start);
    job.end = std::move(end);
    job.startNumber = "1";
    return job;
}

TEST(SlipPrintPlan, TwelveRowsFillTwoSlipsNumberedFromTheStartNumber) {
    PrintJob job = Job(Rows(12), "1", "12");
    job.startNumber = "5";
    const PrintPlan plan = PlanPrint(job, Telling());
    ASSERT_FALSE(plan.refusal);
    ASSERT_EQ(plan.slips.size(), 2u);
    EXPECT_EQ(SlipsNeeded("1", "12"), 2);

    const PrintedSlip& first = plan.slips[0];
    EXPECT_EQ(first.number, 5);
    EXPECT_EQ(first.firstRow, 1);
    EXPECT_EQ(first.lastRow, 8);
    ASSERT_EQ(first.marks.size(), 8u * 2 + 3);
    EXPECT_EQ(first.marks[0], (PrintMark{"x", {1001, 10}}));   // row 1 in field 1
    EXPECT_EQ(first.marks[15], (PrintMark{"x", {8062, 620}})); // row 8 in field 8: 70 - 8
    EXPECT_EQ(first.marks[16], (PrintMark{"x", {5001, 0}}));   // 2 €
    EXPECT_EQ(first.marks[17], (PrintMark{"x", {6003, 0}}));   // 7 draws
    EXPECT_EQ(first.marks[18], (PrintMark{"5", {7000, 7000}}));

    const PrintedSlip& second = plan.slips[1];
    EXPECT_EQ(second.number, 6);
    EXPECT_EQ(second.firstRow, 9);
    EXPECT_EQ(second.lastRow, 12);
    ASSERT_EQ(second.marks.size(), 4u * 2 + 3);
    EXPECT_EQ(second.marks[0], (PrintMark{"x", {1009, 90}}));  // row 9 in field 1
    EXPECT_EQ(second.marks[7], (PrintMark{"x", {4058, 580}})); // row 12 in field 4
    EXPECT_EQ(second.marks[8], (PrintMark{"x", {5005, 0}}));   // 10 €
    EXPECT_EQ(second.marks[9], (PrintMark{"x", {6004, 0}}));   // 14 draws
    EXPECT_EQ(second.marks[10], (PrintMark{"6", {7000, 7000}}));
}

TEST(SlipPrintPlan, WithoutAStartNumberTheFirstSlipIsOne) {
    PrintJob job = Job(Rows(9));
    job.startNumber.clear();
    const PrintPlan plan = PlanPrint(job, Telling());
    ASSERT_EQ(plan.slips.size(), 2u);
    EXPECT_EQ(plan.slips[0].number, 1);
    EXPECT_EQ(plan.slips[1].marks.back(), (PrintMark{"2", {7000, 7000}}));
}

TEST(SlipPrintPlan, ARangeInsideTheListIsOneSlip) {
    const PrintPlan plan = PlanPrint(Job(Rows(12), "3", "10"), Telling());
    ASSERT_EQ(plan.slips.size(), 1u);
    EXPECT_EQ(plan.slips[0].firstRow, 3);
    EXPECT_EQ(plan.slips[0].lastRow, 10);
    EXPECT_EQ(plan.slips[0].marks[0], (PrintMark{"x", {1003, 30}})); // row 3 in field 1
    EXPECT_EQ(plan.slips[0].marks[16], (PrintMark{"x", {5005, 0}})); // boxes of row 10
    EXPECT_EQ(SlipsNeeded("3", "10"), 1);
}

TEST(SlipPrintPlan, EmptyRangeTextsAreFilled) {
    struct Case {
        const char* start;
        const char* end;
        int first;
        int last;
    };
    const Case cases[] = {{"", "", 1, 12}, {"0", "", 1, 12}, {"0", "4", 1, 4}, {"9", "", 9, 12}};
    for (const Case& c : cases) {
        const PrintPlan plan = PlanPrint(Job(Rows(12), c.start, c.end), Telling());
        EXPECT_EQ(plan.start, c.first) << c.start << '-' << c.end;
        EXPECT_EQ(plan.end, c.last) << c.start << '-' << c.end;
    }
    const RangeTexts filled = FilledRange("0", "", 12);
    EXPECT_EQ(filled.start, "1");
    EXPECT_EQ(filled.end, "12");
}

TEST(SlipPrintPlan, SlipsNeeded) {
    EXPECT_EQ(SlipsNeeded("1", "8"), 1);
    EXPECT_EQ(SlipsNeeded("1", "9"), 2);
    EXPECT_EQ(SlipsNeeded("5", "5"), 1);
    EXPECT_EQ(SlipsNeeded("1", "17"), 3);
    EXPECT_EQ(SlipsNeeded("", "8"), std::nullopt);
    EXPECT_EQ(SlipsNeeded("9", "8"), std::nullopt);
}

TEST(SlipPrintPlan, CorrectionShiftsEveryMarkAndNoNumberWhenNotAsked) {
    PrintJob job = Job(Rows(1));
    job.hori = "230";
    job.vert = "-15";
    job.printNumbers = false;
    const PrintPlan plan = PlanPrint(job, Telling());
    ASSERT_EQ(plan.slips.size(), 1u);
    EXPECT_EQ(plan.slips[0].marks, (std::vector<PrintMark>{{"x", {1001 + 230, 10 - 15}},
                                                           {"x", {1069 + 230, 690 - 15}},
                                                           {"x", {5001 + 230, -15}},
                                                           {"x", {6003 + 230, -15}}}));
}

TEST(SlipPrintPlan, TheSetsScaleCorrectionAppliesBeforeTheShift) {
    PrintJob job = Job(Rows(1));
    job.hori = "230";
    TDruckParameter set = Telling();
    set.scaleX = 1010;
    set.scaleY = 990;
    const PrintPlan plan = PlanPrint(job, set);
    ASSERT_EQ(plan.slips.size(), 1u);
    EXPECT_EQ(plan.slips[0].marks[0].at, (PaperPoint{1011 + 230, 10}));  // 1001·1.01 = 1011.01; 10·0.99 = 9.9
    EXPECT_EQ(plan.slips[0].marks[1].at, (PaperPoint{1080 + 230, 683})); // 1069·1.01 = 1079.69; 690·0.99 = 683.1
}

TEST(SlipPrintPlan, RowsWithoutDrawCountLeaveTheirFieldBlank) {
    std::vector<TipRowCells> rows = Rows(3);
    rows[1][1].clear();
    const PrintPlan plan = PlanPrint(Job(rows), Telling());
    ASSERT_EQ(plan.slips.size(), 1u);
    ASSERT_EQ(plan.slips[0].marks.size(), 2u * 2 + 3);
    EXPECT_EQ(plan.slips[0].marks[2], (PrintMark{"x", {3003, 30}})); // row 3 still in field 3
}

TEST(SlipPrintPlan, TextRowsTakeTheChosenBoxes) {
    std::vector<TipRowCells> rows = {Row(1, " ", " ", {"5", "12", "33"})};
    rows[0][0] = " ";
    PrintJob job = Job(rows);
    job.rowsFromText = true;
    job.textChoice = PrintJob::BoxChoice{5, 4};
    const PrintPlan plan = PlanPrint(job, Telling());
    ASSERT_EQ(plan.slips.size(), 1u);
    EXPECT_EQ(plan.end, 1);
    EXPECT_EQ(plan.slips[0].marks[3], (PrintMark{"x", {5005, 0}}));
    EXPECT_EQ(plan.slips[0].marks[4], (PrintMark{"x", {6004, 0}}));
}

TEST(SlipPrintPlan, JobsTheSetCannotPlaceAreRefusedWhole) {
    using Kind = PrintRefusal::Kind;
    struct Case {
        const char* name;
        std::function<void(PrintJob&)> change;
        PrintRefusal refusal;
    };
    const Case cases[] = {
        {"no rows", [](PrintJob& j) { j.rows.clear(); }, {Kind::NothingToPrint, 0, {}}},
        {"row 1 without draws", [](PrintJob& j) { j.rows[0][1].clear(); }, {Kind::NothingToPrint, 0, {}}},
        {"end before start", [](PrintJob& j) { j.start = "9", j.end = "4"; }, {Kind::EndBeforeStart, 0, {}}},
        {"end beyond the rows", [](PrintJob& j) { j.end = "13"; }, {Kind::EndBeyondRows, 12, {}}},
        {"lone minus", [](PrintJob& j) { j.hori = "-"; }, {Kind::BadCorrection, 0, "-"}},
        {"minus inside", [](PrintJob& j) { j.vert = "5-3"; }, {Kind::BadCorrection, 0, "5-3"}},
        {"number 71", [](PrintJob& j) { j.rows[9][4] = "71"; }, {Kind::BadNumber, 10, "71"}},
        {"number 0", [](PrintJob& j) { j.rows[0][3] = "0"; }, {Kind::BadNumber, 1, "0"}},
        {"blank cell", [](PrintJob& j) { j.rows[11][5] = " "; }, {Kind::BadNumber, 12, " "}},
        {"stake 6", [](PrintJob& j) { j.rows[7][2] = "6"; }, {Kind::NoBoxes, 8, {}}},
        {"draws 3", [](PrintJob& j) { j.rows[11][1] = "3"; }, {Kind::NoBoxes, 12, {}}},
        {"text rows without choice",
         [](PrintJob& j) {
             j.rowsFromText = true;
             j.rows[7][1] = " ";
         },
         {Kind::TextRowsWithoutChoice, 8, {}}},
    };
    for (const Case& c : cases) {
        PrintJob job = Job(Rows(12));
        c.change(job);
        const PrintPlan plan = PlanPrint(job, Telling());
        ASSERT_TRUE(plan.refusal) << c.name;
        EXPECT_EQ(*plan.refusal, c.refusal) << c.name;
        EXPECT_TRUE(plan.slips.empty()) << c.name;
    }
}

TEST(SlipPrintPlan, PositionsNearTheLimitsWrapInsteadOfOverflowing) {
    TDruckParameter set = Telling();
    set.feldPos[0][0] = {INT32_MAX, INT32_MIN};
    PrintJob job = Job({Row(1, "1", "1", {"1"})});
    job.hori = "1";
    job.vert = "-1";
    const PrintPlan plan = PlanPrint(job, set);
    ASSERT_EQ(plan.slips.size(), 1u);
    EXPECT_EQ(plan.slips[0].marks[0].at, (PaperPoint{INT32_MIN, INT32_MAX}));
}

// Every mark must lie wholly on the printable area; the first one that does not is named with its sheet.
TEST(SlipPrintPlan, MarksOffThePrintableAreaAreFound) {
    const auto size = [](const std::string& text) { return PaperPoint{25 * static_cast<int>(text.size()), 40}; };
    const PaperRect area{50, 50, 2050, 2920};
    struct Case {
        PaperPoint at;
        std::string text;
        bool inside;
    };
    const Case cases[] = {
        {{50, 50}, "x", true},     {{2025, 2880}, "x", true},  {{49, 500}, "x", false},
        {{500, 49}, "x", false},   {{2026, 500}, "x", false},  {{500, 2881}, "x", false},
        {{2000, 500}, "12", true}, {{2001, 500}, "12", false}, {{INT32_MAX, 500}, "x", false},
    };
    for (const Case& c : cases) {
        std::vector<PrintedSlip> slips(2);
        slips[0].marks = {{"x", {100, 100}}};
        slips[1].marks = {{"x", {200, 200}}, {c.text, c.at}};
        const auto refusal = MarkOutside(slips, area, size);
        if (c.inside) {
            EXPECT_FALSE(refusal) << c.at.x << "," << c.at.y;
        } else {
            EXPECT_EQ(refusal, (PrintRefusal{PrintRefusal::Kind::MarkOffSheet, 2, c.text, c.at}))
                << c.at.x << "," << c.at.y;
        }
    }
}

// The set the installation brings, with the print window's default correction, lands on a DIN A4 sheet
// with room for a printer's margins; its outline is the part the boxes cover, 5 mm around.
TEST(SlipPrintPlan, TheInstalledSetWithTheDefaultCorrectionFitsTheSheet) {
    const auto set = ReadPrintParameterFile(std::filesystem::path(QV_SOURCE_DATA_DIR) / "BEL.qvpd");
    ASSERT_TRUE(set);
    PrintJob job = Job(Rows(8));
    job.hori = "230";
    job.vert = "0";
    const PrintPlan plan = PlanPrint(job, *set);
    ASSERT_FALSE(plan.refusal);
    const auto size = [](const std::string& text) { return PaperPoint{30 * static_cast<int>(text.size()), 40}; };
    EXPECT_FALSE(MarkOutside(plan.slips, {60, 60, 2040, 2910}, size));
    const PaperRect outline = SlipOutline(*set, 230, 0, {30, 40});
    EXPECT_EQ(outline, (PaperRect{100 + 230 - 50, 250 - 50, 1450 + 230 + 30 + 50, 1230 + 40 + 50}));
    EXPECT_LE(outline.right, kA4Sheet.right);
}

} // namespace
} // namespace qv
