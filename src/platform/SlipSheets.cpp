#include "platform/SlipSheets.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

namespace qv {

QFont MarkFont() {
    QFont font;
    font.setBold(true);
    font.setPointSizeF(35.0 / 254.0 * 72.0); // 3.5 mm
    return font;
}

void DrawTextAtTenthMm(QPainter& painter, const QPaintDevice& device, QPoint position, const QString& text,
                       const QFont& font, const QColor& colour) {
    // Device units per 0.1 mm follow from the device's own resolution, so a mark lands on the same
    // spot of the paper at 300, 600 or 1200 dpi.
    const double unitsX = device.logicalDpiX() / 254.0;
    const double unitsY = device.logicalDpiY() / 254.0;
    const QFont deviceFont(font, &device);
    painter.setFont(deviceFont);
    painter.setPen(colour);
    const QFontMetricsF metrics(deviceFont, &device);
    painter.drawText(QPointF(position.x() * unitsX, position.y() * unitsY + metrics.ascent()), text);
}

QPoint OnPrintableArea(PaperPoint at, QPoint offset) {
    const auto minus = [](std::int32_t a, int b) {
        return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) - b, INT32_MIN, INT32_MAX));
    };
    return {minus(at.x, offset.x()), minus(at.y, offset.y())};
}

void DrawLineAtTenthMm(QPainter& painter, const QPaintDevice& device, QPoint from, QPoint to, const QColor& colour) {
    const double unitsX = device.logicalDpiX() / 254.0;
    const double unitsY = device.logicalDpiY() / 254.0;
    painter.setPen(QPen(colour, 2.0 * unitsX, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(from.x() * unitsX, from.y() * unitsY), QPointF(to.x() * unitsX, to.y() * unitsY));
}

PaperPoint MarkCentre() {
    // Measured at 600 dpi, where a tenth of a millimetre is a few dots: the middle of the glyph's ink,
    // below the top by the ascent as DrawTextAtTenthMm places it.
    QImage page(1, 1, QImage::Format_Mono);
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    const QFont font(MarkFont(), &page);
    const QFontMetricsF metrics(font, &page);
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("x"));
    const double perTenth = page.logicalDpiX() / 254.0;
    return {static_cast<std::int32_t>(std::lround(ink.center().x() / perTenth)),
            static_cast<std::int32_t>(std::lround((metrics.ascent() + ink.center().y()) / perTenth))};
}

PaperPoint MarkSize(const std::string& text) {
    // Measured at 600 dpi like MarkCentre: the text's advance and the font's whole height, rounded up.
    QImage page(1, 1, QImage::Format_Mono);
    page.setDotsPerMeterX(23622);
    page.setDotsPerMeterY(23622);
    const QFont font(MarkFont(), &page);
    const QFontMetricsF metrics(font, &page);
    const double perTenth = page.logicalDpiX() / 254.0;
    return {static_cast<std::int32_t>(std::ceil(metrics.horizontalAdvance(QString::fromStdString(text)) / perTenth)),
            static_cast<std::int32_t>(std::ceil(metrics.height() / perTenth))};
}

PaperRect ToPaperRect(const QRect& area) {
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
}

void DrawSheetGuides(QPainter& painter, const QPaintDevice& device, PaperRect sheet, PaperRect slip) {
    const double unitsX = device.logicalDpiX() / 254.0;
    const double unitsY = device.logicalDpiY() / 254.0;
    const auto onDevice = [unitsX, unitsY](PaperRect rect) {
        return QRectF(QPointF(rect.left * unitsX, rect.top * unitsY),
                      QPointF(rect.right * unitsX, rect.bottom * unitsY));
    };
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 3.0 * unitsX));
    painter.drawRect(onDevice(sheet));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 3.0 * unitsX, Qt::DashLine));
    painter.drawRect(onDevice(slip));
    painter.restore();
}

namespace {

// A PDF of pages the size of pageSize without margins, so that the page's origin is the paper's corner
// where the positions count from; draw paints its pages.
QByteArray PdfOf(const QPageSize& pageSize, const QString& title,
                 const std::function<void(QPdfWriter& writer, QPainter& painter)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quovadra"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        draw(writer, painter);
    }
    return bytes;
}

} // namespace

QByteArray CalibrationSheetPdf(const std::vector<PaperLine>& lines, const QPageSize& pageSize, const QString& title) {
    return PdfOf(pageSize, title, [&lines](QPdfWriter& writer, QPainter& painter) {
        for (const PaperLine& line : lines) {
            DrawLineAtTenthMm(painter, writer, QPoint(line.from.x, line.from.y), QPoint(line.to.x, line.to.y),
                              kMarkColour);
        }
    });
}

void DrawSlipSheet(QPainter& painter, const QPaintDevice& device, const PrintedSlip& slip) {
    const QFont font = MarkFont();
    for (const PrintMark& mark : slip.marks) {
        DrawTextAtTenthMm(painter, device, QPoint(mark.at.x, mark.at.y), QString::fromStdString(mark.text), font,
                          kMarkColour);
    }
}

QByteArray SlipSheetsPdf(const std::vector<PrintedSlip>& slips, const QPageSize& pageSize, const QString& title) {
    return PdfOf(pageSize, title, [&slips](QPdfWriter& writer, QPainter& painter) {
        for (std::size_t i = 0; i < slips.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            DrawSlipSheet(painter, writer, slips[i]);
        }
    });
}

} // namespace qv
