#include "platform/QtPrintTarget.h"

#include "platform/SlipSheets.h"

#include <QPrintDialog>

#include <cmath>

namespace qv {

QtPrintTarget::QtPrintTarget(const QString& pdfFile)
    : m_pdfFile(pdfFile) {}

QtPrintTarget::~QtPrintTarget() = default;

QPrinter& QtPrintTarget::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!m_pdfFile.isEmpty()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(m_pdfFile);
        }
    }
    return *m_printer;
}

bool QtPrintTarget::Setup(QWidget* parent) {
    QPrintDialog dialog(&Printer(), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrintTarget::BeginDocument(const QString& title) {
    QPrinter& printer = Printer();
    printer.setDocName(title);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&printer)) {
        m_painter.reset();
        return false;
    }
    return true;
}

void QtPrintTarget::TextAt(QPoint position, const QString& text, const QFont& font, const QColor& colour) {
    if (m_painter) {
        // The painter's origin is the printable area's corner, where positions count from.
        DrawTextAtTenthMm(*m_painter, Printer(), position, text, font, colour);
    }
}

void QtPrintTarget::LineAt(QPoint from, QPoint to, const QColor& colour) {
    if (m_painter) {
        DrawLineAtTenthMm(*m_painter, Printer(), from, to, colour);
    }
}

void QtPrintTarget::EndDocument() {
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

QPoint QtPrintTarget::PhysicalOffset() const {
    auto& printer = const_cast<QtPrintTarget*>(this)->Printer();
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    const QRectF page = printer.pageRect(QPrinter::Millimeter);
    return QPoint(static_cast<int>(std::lround((page.left() - paper.left()) * 10.0)),
                  static_cast<int>(std::lround((page.top() - paper.top()) * 10.0)));
}

QRect QtPrintTarget::PrintableArea() const {
    auto& printer = const_cast<QtPrintTarget*>(this)->Printer();
    const QRectF paper = printer.paperRect(QPrinter::Millimeter);
    const QRectF page = printer.pageRect(QPrinter::Millimeter);
    const auto tenths = [](double millimetres) { return static_cast<int>(std::lround(millimetres * 10.0)); };
    return QRect(QPoint(tenths(page.left() - paper.left()), tenths(page.top() - paper.top())),
                 QSize(tenths(page.width()), tenths(page.height())));
}

} // namespace qv
