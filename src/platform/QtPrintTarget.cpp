#include "platform/QtPrintTarget.h"

#include <QPrintDialog>

#include <cmath>

namespace qv {

QtPrintTarget::QtPrintTarget(const QString& pdfFile)
    : m_printer(QPrinter::HighResolution) {
    if (!pdfFile.isEmpty()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(pdfFile);
    }
}

QtPrintTarget::~QtPrintTarget() = default;

bool QtPrintTarget::Setup(QWidget* parent) {
    QPrintDialog dialog(&m_printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintTarget::BeginDocument(const QString& title) {
    m_printer.setDocName(title);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&m_printer)) {
        m_painter.reset();
        return false;
    }
    // One logical unit is 0.1 mm, counted from the printable area's corner.
    const double unitsPerTenthMm = m_printer.resolution() / 254.0;
    m_painter->scale(unitsPerTenthMm, unitsPerTenthMm);
    return true;
}

void QtPrintTarget::TextAt(QPoint position, const QString& text, const QFont& font) {
    if (!m_painter) {
        return;
    }
    m_painter->setFont(font);
    // The point is the top left corner of the text, as on the paper slip's boxes.
    const QFontMetricsF metrics(font, &m_printer);
    const double unitsPerTenthMm = m_printer.resolution() / 254.0;
    m_painter->drawText(QPointF(position.x(), position.y() + metrics.ascent() / unitsPerTenthMm), text);
}

void QtPrintTarget::EndDocument() {
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QPoint QtPrintTarget::PhysicalOffset() const {
    const QRectF paper = m_printer.paperRect(QPrinter::Millimeter);
    const QRectF page = m_printer.pageRect(QPrinter::Millimeter);
    return QPoint(static_cast<int>(std::lround((page.left() - paper.left()) * 10.0)),
                  static_cast<int>(std::lround((page.top() - paper.top()) * 10.0)));
}

} // namespace qv
