#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace qv {

struct AppContext;
class PatternGrid;
class RepeaterModel;

// The repeater view: every draw of the history with its 20 numbers ascending, the numbers of the
// previous draw (or, on request, those of one final digit) marked in lime.
class TFDetail2 : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FDetail2";

    explicit TFDetail2(AppContext& context);

    PatternGrid* Grid() const { return m_grid; }
    RepeaterModel* Model() const { return m_model; }

signals:
    // "Wiederholer- Markierung...": the pattern view is to be shown.
    void PatternViewRequested();

private:
    void MarkingChanged();

    RepeaterModel* m_model;
    PatternGrid* m_grid;
    QComboBox* m_finalDigit; // comboEndz
    QCheckBox* m_markDigit;  // cbEnd
};

} // namespace qv
