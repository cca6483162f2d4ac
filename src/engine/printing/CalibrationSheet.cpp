#include "engine/printing/CalibrationSheet.h"

#include <cstdint>

namespace qv {
namespace {

// Positions near the ends of the 32-bit range wrap, as the marks of the real print do.
std::int32_t Plus(std::int32_t a, int b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

} // namespace

std::vector<PaperPoint> CalibrationMarks(const TDruckParameter& set, int hori, int vert) {
    std::vector<PaperPoint> marks;
    marks.reserve(kCalibrationMarks);
    for (int field = 1; field <= TDruckParameter::kFields; ++field) {
        for (int n = 1; n <= TDruckParameter::kNumbers; ++n) {
            marks.push_back(PlaceMark(set, set.Number(field, n), hori, vert));
        }
    }
    for (const PaperPoint& box : set.einsatzPos) {
        marks.push_back(PlaceMark(set, box, hori, vert));
    }
    for (const PaperPoint& box : set.ziehungenPos) {
        marks.push_back(PlaceMark(set, box, hori, vert));
    }
    marks.push_back(PlaceMark(set, {set.scheinNrX, set.scheinNrY}, hori, vert));
    return marks;
}

std::vector<PaperLine> CalibrationCrosses(const TDruckParameter& set, int hori, int vert, PaperPoint markCentre) {
    std::vector<PaperLine> lines;
    lines.reserve(std::size_t{2} * kCalibrationMarks);
    for (const PaperPoint& mark : CalibrationMarks(set, hori, vert)) {
        const PaperPoint centre{Plus(mark.x, markCentre.x), Plus(mark.y, markCentre.y)};
        lines.push_back({{Plus(centre.x, -kCrossArm), centre.y}, {Plus(centre.x, kCrossArm), centre.y}});
        lines.push_back({{centre.x, Plus(centre.y, -kCrossArm)}, {centre.x, Plus(centre.y, kCrossArm)}});
    }
    return lines;
}

} // namespace qv
