#pragma once

#include <QWidget>

namespace qv {

struct AppContext;
class PatternGrid;
class PatternModel;

// The pattern view: one row per draw, one column per number 1 to 70, each drawn number coloured new
// (yellow) or by how many draws in a row it has repeated; the last column counts the repeaters.
class TFDetail1 : public QWidget {
    Q_OBJECT

public:
    static constexpr char kFormName[] = "FDetail1";

    explicit TFDetail1(AppContext& context);

    PatternGrid* Grid() const { return m_grid; }
    PatternModel* Model() const { return m_model; }

signals:
    // "Abbild der Muster": a picture of the grid as it shows now.
    void PictureRequested(QWidget* grid);

private:
    PatternModel* m_model;
    PatternGrid* m_grid;
};

} // namespace qv
