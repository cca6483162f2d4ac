#pragma once

#include "platform/PrintTarget.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace qv {

// Prints on the system's printer, or into a PDF file when one is named (preview and tests).
class QtPrintTarget final : public PrintTarget {
public:
    explicit QtPrintTarget(const QString& pdfFile = {});
    ~QtPrintTarget() override;

    bool Setup(QWidget* parent) override;
    bool BeginDocument(const QString& title) override;
    void TextAt(QPoint position, const QString& text, const QFont& font, const QColor& colour) override;
    void LineAt(QPoint from, QPoint to, const QColor& colour) override;
    void EndDocument() override;
    QPoint PhysicalOffset() const override;
    QRect PrintableArea() const override;

private:
    // The printer is set up on first use: asking the print system costs time at start.
    QPrinter& Printer();

    QString m_pdfFile;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace qv
