#include "platform/SlipSheets.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace qv {
namespace {

// The smallest rectangle around the navy pixels of an image.
QRect NavyPixels(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.blue() > 60 && colour.red() < 60 && colour.green() < 60) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

// A sheet of 60 × 40 mm at the given resolution with one mark drawn in paper coordinates.
QRect MarkOnSheet(int dotsPerInch, const PrintedSlip& slip) {
    const double pixelsPerTenthMm = dotsPerInch / 254.0;
    QImage image(static_cast<int>(600 * pixelsPerTenthMm), static_cast<int>(400 * pixelsPerTenthMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawSlipSheet(painter, image, slip);
    painter.end();
    return NavyPixels(image);
}

TEST(SlipSheets, MarksLandAtTheirPaperPositionAtEveryResolution) {
    PrintedSlip slip;
    slip.marks.push_back({"x", {400, 300}});
    for (const int dpi : {254, 508, 127}) {
        const double scale = dpi / 254.0;
        const QRect mark = MarkOnSheet(dpi, slip);
        ASSERT_FALSE(mark.isEmpty()) << dpi;
        // The mark's top left corner is the point: the glyph starts a little right of it and, being a
        // lower-case letter, below it, but within the 3.5 mm of the font's height.
        EXPECT_GE(mark.left(), 400 * scale - 1) << dpi;
        EXPECT_LE(mark.left(), 420 * scale) << dpi;
        EXPECT_GE(mark.top(), 300 * scale - 1) << dpi;
        EXPECT_LE(mark.bottom(), 335 * scale + 1) << dpi;
        EXPECT_GE(mark.width(), 10 * scale) << dpi;
    }
}

TEST(SlipSheets, ThePdfHasAPagePerSlip) {
    PrintedSlip slip;
    slip.marks.push_back({"x", {400, 300}});
    const QByteArray pdf = SlipSheetsPdf({slip, slip, slip}, QPageSize(QPageSize::A4), QStringLiteral("Test"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 3);
}

} // namespace
} // namespace qv
