#include "platform/SlipSheets.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

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

// A calibration cross is centred on the ink of the "x" printed at the same place.
TEST(SlipSheets, TheMarkCentreIsTheMiddleOfThePrintedMark) {
    PrintedSlip slip;
    slip.marks.push_back({"x", {400, 300}});
    const QRect mark = MarkOnSheet(508, slip);
    ASSERT_FALSE(mark.isEmpty());
    const PaperPoint centre = MarkCentre();
    const QPointF middle = QRectF(mark).center() / 2.0; // 508 dpi: two pixels a tenth of a millimetre
    EXPECT_NEAR(middle.x(), 400 + centre.x, 1.5);
    EXPECT_NEAR(middle.y(), 300 + centre.y, 1.5);
}

// The PDF's content streams, inflated (the writer compresses them with zlib).
QByteArray PdfContent(const QByteArray& pdf) {
    QByteArray content;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        qsizetype begin = at + 6;
        begin += pdf.mid(begin, 2) == "\r\n" ? 2 : 1;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) {
            break;
        }
        const QByteArray packed = pdf.mid(begin, end - begin);
        QByteArray sized(4, '\0');
        sized[1] = '\x10'; // a first guess of 1 MB for qUncompress, which grows when it needs more
        const QByteArray inflated = qUncompress(sized + packed);
        content += inflated.isEmpty() ? packed : inflated;
        at = end + 9;
    }
    return content;
}

TEST(SlipSheets, TheCalibrationPdfDrawsTheCrossesAtTheirPaperPositions) {
    const std::vector<PaperLine> lines = {
        {{380, 300}, {420, 300}}, {{400, 280}, {400, 320}}, {{1500, 2000}, {1540, 2000}}};
    const QByteArray pdf = CalibrationSheetPdf(lines, QPageSize(QPageSize::A4), QStringLiteral("Kalibrierblatt"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QString content = QString::fromLatin1(PdfContent(pdf));
    // Lines come as "x y m x y l" in the page's device units, 600 dpi from the paper's top left corner.
    static const QRegularExpression moveLine(QStringLiteral(R"((-?[\d.]+) (-?[\d.]+) m\s+(-?[\d.]+) (-?[\d.]+) l)"));
    std::vector<QLineF> found;
    for (auto match = moveLine.globalMatch(content); match.hasNext();) {
        const auto m = match.next();
        const double perTenth = 600.0 / 254.0;
        found.emplace_back(m.captured(1).toDouble() / perTenth, m.captured(2).toDouble() / perTenth,
                           m.captured(3).toDouble() / perTenth, m.captured(4).toDouble() / perTenth);
    }
    ASSERT_EQ(found.size(), lines.size()) << content.left(400).toStdString();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_NEAR(found[i].x1(), lines[i].from.x, 0.5) << i;
        EXPECT_NEAR(found[i].y1(), lines[i].from.y, 0.5) << i;
        EXPECT_NEAR(found[i].x2(), lines[i].to.x, 0.5) << i;
        EXPECT_NEAR(found[i].y2(), lines[i].to.y, 0.5) << i;
    }
}

} // namespace
} // namespace qv
