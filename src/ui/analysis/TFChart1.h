#pragma once

#include "engine/analysis/DrawStatistics.h"

#include <QMainWindow>

#include <vector>

class QBarSet;
class QChart;
class QChartView;
class QStackedBarSeries;
class QToolBar;

namespace qv {

struct AppContext;

// The bar chart of the statistics: one bar per number 1 to 70, as high as the number was drawn in
// the period of the last statistics evaluation. The bars rise from 1, so a number never drawn shows
// as a short bar down to 0.
class TFChart1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TFChart1(AppContext& context);

    // Replaces the bars by the frequencies of numbers 1 to 70 (never adds to the old ones).
    void Fill(const NumberCounts& frequencies);

    // The values of the bars, number n at n-1; empty before the first fill.
    const std::vector<double>& Values() const { return m_values; }
    QChart* Chart() const { return m_chart; }

    static constexpr QRgb kBarColour = 0xFF75FF94;

private:
    void CreateToolBar();
    void CreateMenu();
    void BarHovered(bool status, int index);

    AppContext& m_context;
    QToolBar* m_toolBar = nullptr;
    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QStackedBarSeries* m_series = nullptr;
    QBarSet* m_base = nullptr; // invisible: lifts each bar to its origin at 1
    QBarSet* m_bars = nullptr;
    std::vector<double> m_values;
};

} // namespace qv
