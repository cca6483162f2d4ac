#pragma once

#include "engine/core/Records.h"

#include <QWidget>

namespace qv {

struct ProgramState;
class StringGrid;

// The frame of a slip tab: the grid G1 with one row per non-empty field of the slip (stake, Keno
// type, the numbers). After an evaluation of a single draw the numbers of that draw are marked light
// green; the marks follow PeriodSets and the hit flag at every repaint.
class TFrFrame1 : public QWidget {
    Q_OBJECT

public:
    TFrFrame1(const ProgramState& state, QWidget* parent = nullptr);

    StringGrid* Grid() const { return m_grid; }
    // Headings and widths; six rows.
    void SetSlipGridHeadings();
    // The rows of slip; the row count becomes the number of filled fields plus 1.
    void FillSlipGrid(const TSchein& slip);

    // Light green, #C1FFC1 (stored as 12713921).
    static constexpr QRgb kHitColour = 0xFFC1FFC1;

private:
    StringGrid* m_grid;
};

} // namespace qv
