#include "platform/SlipSheets.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

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

void DrawSlipSheet(QPainter& painter, const QPaintDevice& device, const PrintedSlip& slip) {
    const QFont font = MarkFont();
    for (const PrintMark& mark : slip.marks) {
        DrawTextAtTenthMm(painter, device, QPoint(mark.at.x, mark.at.y), QString::fromStdString(mark.text), font,
                          kMarkColour);
    }
}

QByteArray SlipSheetsPdf(const std::vector<PrintedSlip>& slips, const QPageSize& pageSize, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quovadra"));
        writer.setResolution(600);
        // No margins: the page's origin is the paper's corner, where the positions count from.
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        for (std::size_t i = 0; i < slips.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            DrawSlipSheet(painter, writer, slips[i]);
        }
    }
    return bytes;
}

} // namespace qv
