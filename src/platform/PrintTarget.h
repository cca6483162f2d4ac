#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace qv {

// The printer the slips are printed on. Positions are in units of 0.1 mm from the top left corner of
// the printable area.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // The printer setup dialog; false when the user cancels.
    virtual bool Setup(QWidget* parent) = 0;
    // One document per slip.
    virtual bool BeginDocument(const QString& title) = 0;
    // text with its top left corner at position.
    virtual void TextAt(QPoint position, const QString& text, const QFont& font, const QColor& colour) = 0;
    // A thin straight line from one position to another (the calibration sheet's crosses).
    virtual void LineAt(QPoint from, QPoint to, const QColor& colour) = 0;
    virtual void EndDocument() = 0;
    // Distance of the printable area from the paper's corner, in 0.1 mm.
    virtual QPoint PhysicalOffset() const = 0;
    // The part of the chosen paper the printer can mark, in 0.1 mm from the paper's corner.
    virtual QRect PrintableArea() const = 0;
};

} // namespace qv
