#pragma once

#include "engine/printing/CalibrationSheet.h"
#include "engine/printing/SlipPrintPlan.h"

#include <QColor>
#include <QFont>
#include <QPageSize>
#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

class QPainter;
class QPaintDevice;

namespace qv {

// The marks' look: bold, 3.5 mm high, navy, in the default typeface.
QFont MarkFont();
inline const QColor kMarkColour = QColor(0x00, 0x00, 0x80);

// Draws text with its top left corner at position, given in 0.1 mm from the painter's origin, on a
// device of any resolution (printer, PDF, image).
void DrawTextAtTenthMm(QPainter& painter, const QPaintDevice& device, QPoint position, const QString& text,
                       const QFont& font, const QColor& colour);

// A place on the paper as the printer counts: from the corner of its printable area, offset from the
// paper's corner. A set read from any file may hold any value; far off the sheet is as good as anything.
QPoint OnPrintableArea(PaperPoint at, QPoint offset);

// A thin line (0.2 mm) between two positions in 0.1 mm from the painter's origin.
void DrawLineAtTenthMm(QPainter& painter, const QPaintDevice& device, QPoint from, QPoint to, const QColor& colour);

// The middle of a printed "x" mark, seen from the top left corner where it is placed, in 0.1 mm.
PaperPoint MarkCentre();

// The calibration sheet's crosses as a one-page PDF document, the origin at the paper's corner.
QByteArray CalibrationSheetPdf(const std::vector<PaperLine>& lines, const QPageSize& pageSize, const QString& title);

// How far a mark's text reaches from its top left corner in 0.1 mm (width, height), in the marking font.
PaperPoint MarkSize(const std::string& text);

// The printable area a print target reports, as a rectangle on the paper.
PaperRect ToPaperRect(const QRect& area);

// The preview's guides: the sheet's edge as a thin grey line and the slip's outline dashed, both in
// paper coordinates (the painter's origin at the paper's corner).
void DrawSheetGuides(QPainter& painter, const QPaintDevice& device, PaperRect sheet, PaperRect slip);

// Draws one slip's marks in paper coordinates: the painter's origin must be the paper's corner.
void DrawSlipSheet(QPainter& painter, const QPaintDevice& device, const PrintedSlip& slip);

// The sheets of the slips, one page each with the origin at the paper's corner, as a PDF document.
QByteArray SlipSheetsPdf(const std::vector<PrintedSlip>& slips, const QPageSize& pageSize, const QString& title);

} // namespace qv
