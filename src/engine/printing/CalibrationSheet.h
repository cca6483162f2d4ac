#pragma once

#include "engine/printing/DruckParameter.h"

#include <vector>

namespace qv {

// A straight line on the paper, in 0.1 mm from the sheet's top left corner.
struct PaperLine {
    PaperPoint from;
    PaperPoint to;
    bool operator==(const PaperLine&) const = default;
};

// The calibration sheet: a cross at every place a mark can land, to hold against the light over a
// real slip. The crosses stand where the real print puts its marks (PlaceMark with the set's scale and
// the print window's correction): every number of the eight tip fields, the six stake boxes, the five
// draw-count boxes and the slip number, in that order. markCentre is the middle of a printed "x"
// seen from its top left corner, so a cross shows the middle of the mark it stands for.
inline constexpr int kCalibrationMarks = TDruckParameter::kFields * TDruckParameter::kNumbers + 6 + 5 + 1;
// Half the length of a cross's arms: 2 mm, clear of the neighbouring boxes.
inline constexpr int kCrossArm = 20;

// The mark positions of the set in the order above, as PlaceMark gives them.
std::vector<PaperPoint> CalibrationMarks(const TDruckParameter& set, int hori, int vert);

// Two lines a cross, horizontal then vertical, centred on each mark position plus markCentre.
std::vector<PaperLine> CalibrationCrosses(const TDruckParameter& set, int hori, int vert, PaperPoint markCentre);

} // namespace qv
